// Text inside the program is UTF-8, in std::string; Windows takes and gives UTF-16. These are the conversions at that
// boundary, and the cutting of a text to a fixed buffer. Platform-free: UTF-16 is held as char16_t here, which the
// window layer passes to Windows as wchar_t (the same two bytes there).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// UTF-16 to UTF-8. An unpaired surrogate (which Windows lets an edit field hold) becomes U+FFFD, so the result is
// always valid UTF-8.
std::string ToUtf8(std::u16string_view utf16);

// UTF-8 to UTF-16. A byte that starts no valid sequence (a stray continuation byte, an overlong form, a surrogate
// encoded in UTF-8, a value above U+10FFFF, a sequence cut short) becomes U+FFFD, one for each such byte.
std::u16string ToUtf16(std::string_view utf8);

// The UTF-16 text cut to at most `units` code units, never between the two halves of a surrogate pair. A buffer of
// n units takes CutUtf16(text, n - 1) and its closing NUL.
std::u16string_view CutUtf16(std::u16string_view utf16, std::size_t units);

// One code point as UTF-16: one unit, or a surrogate pair above U+FFFF.
std::u16string Utf16Of(char32_t codePoint);

// How many characters (code points) a UTF-8 text holds; an invalid byte counts as one.
std::size_t CodePointCount(std::string_view utf8);

// The code point that starts at utf8[at] and how many bytes it takes; an invalid byte is U+FFFD of one byte.
struct CodePoint {
  char32_t value;
  std::size_t size;
};
CodePoint DecodeUtf8(std::string_view utf8, std::size_t at);

// The first character of a UTF-8 text whose code point `matches`, as UTF-8; empty when there is none.
template <typename Predicate>
std::string FirstCharacterWhere(std::string_view utf8, Predicate&& matches) {
  for (std::size_t at = 0; at < utf8.size();) {
    const CodePoint c = DecodeUtf8(utf8, at);
    if (matches(c.value)) return std::string(utf8.substr(at, c.size));
    at += c.size;
  }
  return {};
}

}  // namespace qm
