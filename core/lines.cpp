#include "core/lines.h"

#include <algorithm>
#include <cstring>

namespace qm {

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

}  // namespace qm
