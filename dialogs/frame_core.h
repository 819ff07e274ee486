// The dialog kinds and the builder modes, and what every kind's generated code is made of. Platform-free.
#pragma once

#include <cstddef>
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

// Code that handles the user's answer tells a cancel from a failure, and shows a failure's number in a message box
// with no unit beyond the Windows ones: System's Str writes the number into sError. The helpers below write what
// every kind that handles the answer shares.
inline constexpr std::string_view kErrorTextDeclaration = "sError: string;";

// The else branch after a common dialog's call: CommDlgExtendedError, asked once and kept in dwError, is 0 when the
// user cancelled; any other value is shown, in a message box owned by `owner`. Thirteen lines.
inline constexpr std::size_t kCommonDialogFailureLines = 13;
void AddCommonDialogFailure(CodeWriter& out, std::string_view owner);
// Its two variables, as a line of the fragment's comment block each (after `indent`) and in the declarations pane.
void CommentCommonDialogFailure(CodeWriter& out, std::string_view indent);
void DeclareCommonDialogFailure(CodeWriter& out);

// The statement that shows a failure whose number `number` holds: Str, then the message box that says what failed.
// Two lines, at the indentation `indent` of the fragment.
void AddFailureMessage(CodeWriter& out, std::string_view indent, std::string_view owner, std::string_view number,
                       std::string_view what);

}  // namespace qm
