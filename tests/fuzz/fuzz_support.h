// Shared parts of the fuzz targets: turning the fuzzer's bytes into option values, and the checks that must hold for
// whatever a kind's generator is given. A failed check prints what went wrong and aborts, which libFuzzer reports as
// a crash and keeps as a failing input.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/utf.h"
#include "dialogs/frame_core.h"

namespace fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "\n*** check failed: %s\n", what);
  if (!detail.empty()) {
    // Long texts are shown by their start; the failing input itself is kept by libFuzzer.
    const std::size_t n = detail.size() < 400 ? detail.size() : 400;
    std::fprintf(stderr, "    in: \"%.*s\"%s\n", static_cast<int>(n), detail.data(), detail.size() > n ? "..." : "");
  }
  std::abort();
}

inline void Require(bool condition, const char* what, std::string_view detail = {}) {
  if (!condition) Fail(what, detail);
}

// Option values read from the fuzzer's bytes. Running out of bytes gives zeros, empty texts and false.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : p_(data, size), longest_(std::min<std::size_t>(40000, 64 * size)) {}

  bool Bool() { return p_.ConsumeBool(); }
  template <typename T>
  T Int() {
    return p_.ConsumeIntegral<T>();
  }
  template <typename T>
  T IntIn(T lo, T hi) {
    return p_.ConsumeIntegralInRange<T>(lo, hi);
  }
  // One of an enumeration's `count` values, or now and then any value of its one-byte type.
  template <typename E>
  E Enum(int count) {
    if (p_.ConsumeIntegralInRange<int>(0, 15) == 0) return static_cast<E>(p_.ConsumeIntegral<std::uint8_t>());
    return static_cast<E>(p_.ConsumeIntegralInRange<int>(0, count - 1));
  }

  // A text as the program hands texts to the core: UTF-8, read from any bytes (NUL, line breaks, apostrophes,
  // characters of every plane, control characters; a byte that starts no character stands for U+FFFD, as an
  // unpaired surrogate from a field does). Now and then a short text is repeated to any length up to 64 times the
  // input's size (at most 40,000 bytes): long texts come without long inputs, and a short seeded run, whose inputs
  // stay small, is not spent on them.
  std::string Text() { return qm::ToUtf8(qm::ToUtf16(AnyBytes())); }

 private:
  std::string AnyBytes() {
    std::string s = p_.ConsumeRandomLengthString(512);
    if (p_.ConsumeIntegralInRange<int>(0, 255) == 0) {
      const std::size_t target = p_.ConsumeIntegralInRange<std::size_t>(0, longest_);
      if (s.empty()) s = "'";
      s.reserve(target);
      while (s.size() < target) s.append(s, 0, std::min(s.size(), target - s.size()));
      s.resize(target);
    }
    return s;
  }

 public:
  // A memo's lines: any number of texts.
  qm::Lines MemoLines() {
    qm::Lines lines(p_.ConsumeIntegralInRange<std::size_t>(0, 12));
    for (auto& line : lines) line = Text();
    return lines;
  }

  // The compiler the code is for. Read after every option, so that an input which ran out of bytes before (every
  // input kept from the time of a single target) stays the classic code it was.
  qm::TCodeTarget Target() { return static_cast<qm::TCodeTarget>(p_.ConsumeIntegralInRange<int>(0, 2)); }

 private:
  FuzzedDataProvider p_;
  std::size_t longest_;
};

// ---- the checks every kind's output must pass ----

// The clipboard text: every line ended by CR LF (no lone CR or LF anywhere), no NUL inside.
inline void CheckClipboardText(const std::string& text) {
  Require(text.find('\0') == std::string::npos, "the clipboard text holds a NUL", text);
  Require(text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0),
          "the clipboard text does not end with CR LF", text);
  // Line feeds and carriage returns come in pairs, each feed right after its return.
  std::size_t returns = 0;
  for (std::size_t i = text.find('\r'); i != std::string::npos; i = text.find('\r', i + 1)) {
    Require(i + 1 < text.size() && text[i + 1] == '\n', "a CR without LF", text);
    ++returns;
  }
  std::size_t feeds = 0;
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1)) ++feeds;
  Require(feeds == returns, "an LF without CR", text);
}

inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }
inline std::string LastLine(const std::string& text) {
  if (text.size() < 2) return {};
  const std::string body = text.substr(0, text.size() - 2);
  const std::size_t at = body.rfind("\r\n");
  return at == std::string::npos ? body : body.substr(at + 2);
}

inline bool IsFrameLine(const std::string& line, const qm::FrameTexts& t) {
  return line == t.header1 || line == t.header1Unicode || line == t.header1FreePascal || line == t.header2 ||
         line == t.header3 || line == t.footer;
}

// What holds for every kind: the fragment runs from the target's first header line to the footer line, its
// clipboard text is well formed with the same first and last line, and the editor's panes hold no header or footer
// line.
inline void CheckFrame(const qm::GeneratedCode& code, const qm::FrameTexts& t, qm::TCodeTarget target) {
  const std::string& header1 = t.Header1(target);
  Require(code.fragment.size() >= 2, "the fragment has fewer than two lines");
  Require(code.fragment.front() == header1, "the fragment does not start with the target's first header line",
          code.fragment.front());
  Require(code.fragment.back() == t.footer, "the fragment does not end with the footer line", code.fragment.back());
  const std::string clip = qm::JoinCrLf(code.fragment);
  CheckClipboardText(clip);
  Require(FirstLine(clip) == header1, "the clipboard text does not start with the first header line", clip);
  Require(LastLine(clip) == t.footer, "the clipboard text does not end with the footer line", clip);
  for (const qm::Lines* pane : {&code.uses, &code.decl, &code.impl}) {
    for (const std::string& line : *pane) Require(!IsFrameLine(line, t), "a pane holds a header or footer line", line);
    CheckClipboardText(qm::JoinCrLf(*pane));
  }
  Require(code.decl.empty() || code.decl.front() == "var", "the declarations do not start with var");
}

// ---- numbers ----

// A number as the generated code must write it: decimal, no blanks, no leading zeros, "-" only before a non-zero
// value, within [lo, hi].
inline std::optional<std::int64_t> CanonicalDecimal(std::string_view s, std::int64_t lo, std::int64_t hi) {
  if (s.empty() || s.size() > 20) return std::nullopt;
  std::size_t i = 0;
  const bool negative = s[0] == '-';
  if (negative) i = 1;
  if (i >= s.size()) return std::nullopt;
  if (s[i] == '0' && (s.size() - i > 1 || negative)) return std::nullopt;
  __int128 v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return std::nullopt;
  return static_cast<std::int64_t>(v);
}

constexpr std::int64_t kInt32Min = INT32_MIN;
constexpr std::int64_t kInt32Max = INT32_MAX;
constexpr std::int64_t kUInt32Max = UINT32_MAX;

inline bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
inline bool EndsWith(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

// The lines "<prefix><digits><suffix>" of a part; a line whose middle holds anything but digits and "-" belongs to
// some other statement and is skipped.
inline std::vector<std::string> NumbersIn(const qm::Lines& lines, std::string_view prefix, std::string_view suffix) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.size() < prefix.size() + suffix.size() || !StartsWith(line, prefix) || !EndsWith(line, suffix)) continue;
    const std::string middle = line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
    if (!middle.empty() && middle.find_first_not_of("-0123456789") == std::string::npos) found.push_back(middle);
  }
  return found;
}

// Exactly one such line, whose number is written canonically within [lo, hi] and equals `expected`.
inline void CheckNumberLine(const qm::Lines& lines, std::string_view prefix, std::string_view suffix, std::int64_t lo,
                            std::int64_t hi, std::int64_t expected, const char* what) {
  const std::vector<std::string> found = NumbersIn(lines, prefix, suffix);
  Require(found.size() == 1, what, std::string(prefix) + "... (not exactly one line)");
  const auto value = CanonicalDecimal(found[0], lo, hi);
  Require(value.has_value(), what, found[0]);
  Require(*value == expected, what, found[0]);
}

// No line "<prefix><digits><suffix>" at all.
inline void CheckNoNumberLine(const qm::Lines& lines, std::string_view prefix, std::string_view suffix,
                              const char* what) {
  Require(NumbersIn(lines, prefix, suffix).empty(), what, prefix);
}

// The numbers that end a call line: "..., a, b, c);" gives {a, b, c} for count 3.
inline std::vector<std::string> TrailingArguments(std::string_view line, std::size_t count) {
  std::vector<std::string> out;
  if (!EndsWith(line, ");")) return out;
  std::string_view rest = line.substr(0, line.size() - 2);
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t comma = rest.rfind(", ");
    if (comma == std::string_view::npos) return {};
    out.insert(out.begin(), std::string(rest.substr(comma + 2)));
    rest = rest.substr(0, comma);
  }
  return out;
}

// Flags: canonical unsigned decimal, only bits of `mask`, equal to `expected`.
inline void CheckFlags(std::string_view written, std::uint32_t mask, std::uint32_t expected, const char* what) {
  const auto v = CanonicalDecimal(written, 0, kUInt32Max);
  Require(v.has_value(), what, written);
  Require((static_cast<std::uint32_t>(*v) & ~mask) == 0, what, written);
  Require(static_cast<std::uint32_t>(*v) == expected, what, written);
}

// "$" and at least six upper-case hexadecimal digits, without excess leading zeros, standing for `expected`.
inline void CheckColorLiteral(std::string_view written, std::uint32_t expected, const char* what) {
  Require(written.size() >= 7 && written.size() <= 9 && written[0] == '$', what, written);
  std::uint64_t v = 0;
  for (char c : written.substr(1)) {
    const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
    Require(d >= 0, what, written);
    v = v * 16 + static_cast<std::uint64_t>(d);
  }
  Require(written.size() == 7 || written[1] != '0', what, written);
  Require(v == expected, what, written);
}

}  // namespace fuzz
