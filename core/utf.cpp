#include "core/utf.h"

namespace qm {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
}  // namespace

CodePoint DecodeUtf8(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t size = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (at + size > s.size()) return {kReplacement, 1};
  for (std::size_t i = 1; i < size; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) return {kReplacement, 1};
    value = (value << 6) | (next & 0x3F);
  }
  if (value < least || value > 0x10FFFF || IsHighSurrogate(value) || IsLowSurrogate(value)) return {kReplacement, 1};
  return {value, size};
}

std::size_t CodePointCount(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < s.size(); at += DecodeUtf8(s, at).size) ++count;
  return count;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(s[i + 1]) - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

namespace {
void AppendUtf16(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    out += static_cast<char16_t>(c);
  }
}
}  // namespace

std::u16string Utf16Of(char32_t codePoint) {
  std::u16string out;
  AppendUtf16(out, codePoint);
  return out;
}

std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t at = 0; at < s.size();) {
    const CodePoint c = DecodeUtf8(s, at);
    at += c.size;
    AppendUtf16(out, c.value);
  }
  return out;
}

std::u16string_view CutUtf16(std::u16string_view s, std::size_t units) {
  if (s.size() <= units) return s;
  // A high surrogate at the cut would lose its low half: it goes too.
  if (units > 0 && IsHighSurrogate(s[units - 1])) --units;
  return s.substr(0, units);
}

}  // namespace qm
