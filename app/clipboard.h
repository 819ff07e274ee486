// The clipboard writer. Its Windows calls go through a table so that a test can make one of them fail; the program
// always writes through the system's own.
#pragma once

#include <windows.h>

#include <string>

namespace qm {

struct ClipboardCalls {
  HGLOBAL(WINAPI* globalAlloc)(UINT flags, SIZE_T bytes);
  LPVOID(WINAPI* globalLock)(HGLOBAL memory);
  BOOL(WINAPI* globalUnlock)(HGLOBAL memory);
  HGLOBAL(WINAPI* globalFree)(HGLOBAL memory);
  BOOL(WINAPI* openClipboard)(HWND owner);
  BOOL(WINAPI* emptyClipboard)();
  HANDLE(WINAPI* setClipboardData)(UINT format, HANDLE data);
  BOOL(WINAPI* closeClipboard)();
};

const ClipboardCalls& SystemClipboard();

// Puts the UTF-8 text on the clipboard as CF_UNICODETEXT, with CF_TEXT in the ANSI code page beside it. Every failure is an AppError, "Cannot open clipboard" among them when
// another program keeps the clipboard; the clipboard is closed again and none of the text stays behind.
void PutClipboardText(HWND owner, const std::string& text, const ClipboardCalls& calls = SystemClipboard());

}  // namespace qm
