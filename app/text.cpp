#include "app/text.h"

#include <algorithm>
#include <cwchar>

#include "core/utf.h"

namespace qm {

namespace {
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' UTF-16 is two bytes a unit");

std::u16string_view AsUtf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
}  // namespace

std::wstring Wide(std::string_view utf8) {
  const std::u16string utf16 = ToUtf16(utf8);
  return std::wstring(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size());
}

std::string Utf8(std::wstring_view utf16) { return ToUtf8(AsUtf16(utf16)); }

std::string Utf8(const wchar_t* utf16) { return utf16 ? Utf8(std::wstring_view(utf16)) : std::string(); }

void CopyToBuffer(std::string_view utf8, wchar_t* buffer, std::size_t chars) {
  if (!buffer || chars == 0) return;
  const std::u16string utf16 = ToUtf16(utf8);
  const std::u16string_view cut = CutUtf16(utf16, chars - 1);
  std::copy(cut.begin(), cut.end(), reinterpret_cast<char16_t*>(buffer));
  buffer[cut.size()] = L'\0';
}

std::string AnsiText(std::string_view utf8) {
  const std::wstring wide = Wide(utf8);
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                       nullptr);
  if (size <= 0) return {};
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, nullptr);
  return ansi;
}

std::string FirstCharacterOutside(std::string_view utf8, UINT codePage) {
  // A character fits when it goes into the code page and comes back as itself: "best fit" stand-ins (an "A" for an
  // "Ā") do not count as holding it.
  return FirstCharacterWhere(utf8, [codePage](char32_t c) {
    if (c < 0x80) return false;
    const std::u16string unit = Utf16Of(c);
    const auto* wide = reinterpret_cast<const wchar_t*>(unit.data());
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(unit.size()), bytes,
                                      sizeof bytes, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return true;
    wchar_t back[4] = {};
    const int m = MultiByteToWideChar(codePage, 0, bytes, n, back, 4);
    return m != static_cast<int>(unit.size()) || std::wmemcmp(back, wide, unit.size()) != 0;
  });
}

}  // namespace qm
