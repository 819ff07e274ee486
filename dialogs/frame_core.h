// The dialog kinds and the builder modes, and what every kind's generated code is made of. Platform-free.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/code_writer.h"
#include "core/integers.h"
#include "core/lines.h"

namespace qm {

enum TDialogKind : std::uint8_t {
  dkMessageBox = 0,
  dkBrowseForFolder = 2,
  dkRunFile = 3,
  dkFormatDrive = 4,
  dkShellAbout = 5,
  dkPickIcon = 6,
  dkOpenFile = 7,
  dkSaveFile = 8,
  dkChooseColor = 9,
  dkPrint = 10,
  dkChooseFont = 11,
  dkFileOperation = 12,
};

// What a command asks of the current kind: show its dialog, or its code on the clipboard or in the editor.
enum TBuildMode : std::uint8_t { bmTest = 0, bmCopy = 1, bmEdit = 2 };

// True for the twelve values that name a dialog kind (1 and everything above 12 name none).
bool IsDialogKind(int value);

// What stands before a common-dialog record passed to its function: Free Pascal's CommDlg takes a pointer to the
// record where Delphi's takes the record itself as a var parameter.
std::string_view RecordArgumentPrefix(TCodeTarget target);

// Whether the code carries a branch for Windows 95, 98 and Me: a Unicode Delphi program never runs there.
bool HasWindows9xBranch(TCodeTarget target);

}  // namespace qm
