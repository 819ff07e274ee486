#include "dialogs/frame_core.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "texts.h"

namespace qm {

bool IsDialogKind(int value) { return value == 0 || (value >= 2 && value <= 12); }

FrameTexts FrameTexts::Defaults() { return {QM_TEXT_HEADER1, QM_TEXT_HEADER2, QM_TEXT_HEADER3, QM_TEXT_FOOTER}; }

namespace {
// A line put together from its pieces, in one allocation of its final size.
std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (const std::string_view piece : pieces) size += piece.size();
  std::string line;
  line.reserve(size);
  for (const std::string_view piece : pieces) line += piece;
  return line;
}
}  // namespace

CodeWriter::CodeWriter(const FrameTexts& texts, std::size_t comments, std::size_t statements,
                       std::size_t declarations)
    : texts_(texts) {
  code_.fragment.reserve(1 + comments + statements + 1);
  code_.impl.reserve(statements);
  if (declarations > 0) code_.decl.reserve(1 + declarations);
  code_.fragment.push_back(texts.header1);
}

void CodeWriter::Comment(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(Concat(pieces));
}

void CodeWriter::AddToFragment(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(Concat(pieces));
}

std::string& CodeWriter::StartStatement(std::size_t size) {
  std::string& indented = code_.impl.emplace_back();
  indented.reserve(2 + size);
  indented += "  ";
  return indented;
}

void CodeWriter::FinishStatement(const std::string& indented) {
  code_.fragment.emplace_back(std::string_view(indented).substr(2));
}

void CodeWriter::AddUnindented(std::string_view line) {
  code_.impl.emplace_back(line);
  code_.fragment.emplace_back(line);
}

void CodeWriter::AddUnindented(std::initializer_list<std::string_view> pieces) {
  code_.fragment.push_back(code_.impl.emplace_back(Concat(pieces)));
}

void CodeWriter::Declare(std::initializer_list<std::string_view> pieces) {
  if (code_.decl.empty()) code_.decl.emplace_back("var");
  code_.decl.push_back(Concat(pieces));
}

GeneratedCode CodeWriter::Finish(std::string_view uses) {
  code_.uses.emplace_back(uses);
  return Finish();
}

GeneratedCode CodeWriter::Finish() {
  code_.fragment.push_back(texts_.footer);
  return std::move(code_);
}

namespace {
// Where a line holds its first line break or NUL, or npos. Most lines hold none, so each of the three is looked for
// with memchr over the whole line before any character is looked at one by one.
std::size_t FirstBreakOrNul(const std::string& line) {
  std::size_t first = std::string::npos;
  for (const char c : {'\r', '\n', '\0'}) {
    if (const void* at = std::memchr(line.data(), c, line.size())) {
      first = std::min(first, static_cast<std::size_t>(static_cast<const char*>(at) - line.data()));
    }
  }
  return first;
}
}  // namespace

std::string JoinCrLf(const Lines& lines) {
  // A text copied into a line may itself hold line breaks (a single-line field takes them from WM_SETTEXT or a
  // paste) or, from a caller other than a control, a NUL: every break becomes CR LF, so that each line of the text
  // ends with CR LF, and a NUL is left out, since the clipboard's text would end there and lose the rest.
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    const std::size_t first = FirstBreakOrNul(l);
    if (first == std::string::npos) {
      out += l;
      out += "\r\n";
      continue;
    }
    std::size_t from = 0;
    for (std::size_t i = first; i < l.size(); ++i) {
      const char c = l[i];
      if (c != '\r' && c != '\n' && c != '\0') continue;
      out.append(l, from, i - from);
      if (c != '\0') {
        out += "\r\n";
        if (c == '\r' && i + 1 < l.size() && l[i + 1] == '\n') ++i;
      }
      from = i + 1;
    }
    out.append(l, from, std::string::npos);
    out += "\r\n";
  }
  return out;
}

Lines SplitLines(std::string_view text) {
  Lines out;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) out.emplace_back(text.substr(start));
  return out;
}

std::string JoinMemoLines(const Lines& lines) {
  static constexpr std::string_view kBreak = "' + #10#13 + '";
  std::size_t size = lines.empty() ? 0 : (lines.size() - 1) * kBreak.size();
  for (const auto& line : lines) size += line.size();
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += kBreak;
    out += lines[i];
  }
  return out;
}

std::string Decimal(std::uint32_t value) { return std::to_string(value); }
std::string Decimal(std::int32_t value) { return std::to_string(value); }

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

bool StrToInt(std::string_view text, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    int d = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (d < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // A hexadecimal literal names the bit pattern: $FFFFFFFF is -1.
    auto bits = static_cast<std::uint32_t>(magnitude);
    std::int64_t v = static_cast<std::int32_t>(bits);
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<std::int32_t>(v);
    return true;
  }
  std::int64_t v = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  std::int32_t v = 0;
  return StrToInt(text, v) ? v : fallback;
}

}  // namespace qm
