#include "dialogs/frame_core.h"

namespace qm {

bool IsDialogKind(int value) { return value == 0 || (value >= 2 && value <= 12); }

std::string_view RecordArgumentPrefix(TCodeTarget target) { return target == ctFreePascal ? "@" : ""; }

bool HasWindows9xBranch(TCodeTarget target) { return target != ctDelphiUnicode; }

void AddFailureMessage(CodeWriter& out, std::string_view indent, std::string_view owner, std::string_view number,
                       std::string_view what) {
  out.Add({indent, "Str(", number, ", sError);"});
  out.Add({indent, "MessageBox(", owner, ", PChar('", what, " failed with error ' + sError + '.'), PChar('Error'), "
           "MB_ICONERROR);"});
}

void AddCommonDialogFailure(CodeWriter& out, std::string_view owner) {
  out.Add({"else"});
  out.Add({"begin"});
  out.Add({"  dwError := CommDlgExtendedError;"});
  out.Add({"  if dwError = 0 then"});
  out.Add({"  begin"});
  out.Add({"    // the user cancelled"});
  out.Add({"  end"});
  out.Add({"  else"});
  out.Add({"  begin"});
  AddFailureMessage(out, "    ", owner, "dwError", "The dialog");
  out.Add({"  end;"});
  out.Add({"end;"});
}

void CommentCommonDialogFailure(CodeWriter& out, std::string_view indent) {
  out.Comment({indent, "dwError: DWORD;"});
  out.Comment({indent, kErrorTextDeclaration});
}

void DeclareCommonDialogFailure(CodeWriter& out) {
  out.Declare({"  dwError: DWORD;"});
  out.Declare({"  ", kErrorTextDeclaration});
}

}  // namespace qm
