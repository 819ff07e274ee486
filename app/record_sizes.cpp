// The 32-bit product passes these records to Windows; their sizes must be those that 32-bit Windows expects.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstddef>

#if defined(__i386__) || defined(_M_IX86)
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76, "OPENFILENAME (pre-2000 layout)");
static_assert(sizeof(CHOOSECOLORA) == 36, "CHOOSECOLOR");
static_assert(sizeof(CHOOSEFONTA) == 60, "CHOOSEFONT");
static_assert(sizeof(PRINTDLGA) == 66, "PRINTDLG");
static_assert(sizeof(SHFILEOPSTRUCTA) == 30, "SHFILEOPSTRUCT");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFO");
static_assert(sizeof(MEMORYSTATUS) == 32, "MEMORYSTATUS");
static_assert(sizeof(BROWSEINFOA) == 32, "BROWSEINFO");
#endif
