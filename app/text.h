// Where text crosses between the program and Windows. Inside, text is UTF-8 in std::string (the core never sees
// another form); Windows takes and gives UTF-16, through the "W" functions. Every conversion goes through here.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qm {

// UTF-8 to the UTF-16 that a W function takes, and back. Unpaired surrogates from Windows become U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
std::string Utf8(const wchar_t* utf16);  // null gives ""

// Copies a UTF-8 text into a fixed UTF-16 buffer of `chars` characters, cut to fit with its closing NUL, never
// between the two halves of a surrogate pair. A buffer of 0 characters is left alone.
void CopyToBuffer(std::string_view utf8, wchar_t* buffer, std::size_t chars);

// The system's ANSI code page form of a text, for the clipboard's 8-bit format. Characters the code page lacks
// become its default character.
std::string AnsiText(std::string_view utf8);
// The first character of the text that the ANSI code page `codePage` cannot hold, as UTF-8; empty when it holds all.
std::string FirstCharacterOutside(std::string_view utf8, UINT codePage = CP_ACP);

}  // namespace qm
