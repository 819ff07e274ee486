#include "dialogs/pickicon_core.h"

namespace qm {

std::string_view PathForPicker(std::string_view path) { return path.substr(0, kPickIconPathChars - 1); }

GeneratedCode GeneratePickIcon(const PickIconOptions& o, const FrameTexts& texts) {
  const std::string& v = o.fileNameVar;
  const std::string& x = o.iconIndexVar;
  const std::string& p = o.fileToOpen;
  // The wide buffer holds MAX_PATH characters; the conversion may write no more than that.
  const Lines allocation = {
      "if Win32Platform = VER_PLATFORM_WIN32_NT then",
      "begin",
      "  GetMem(" + v + ", MAX_PATH*SizeOf(WideChar));",
      "  StringToWideChar('" + p + "', " + v + ", MAX_PATH);",
      "end",
      "else",
      "begin",
      "  GetMem(" + v + ", MAX_PATH*SizeOf(AnsiChar));",
      "  StrPCopy(" + v + ", '" + p + "');",
      "end;",
  };
  const std::string index = "  " + x + " := " + Decimal(o.iconIndex) + ";";
  const std::string call = "SHPickIcon(Handle, " + v + ", MAX_PATH, " + x + ");";
  const std::string release = "FreeMem(" + v + ");";

  Lines body = {"// unit ShellExt must be in uses clause !", texts.header3, "//   " + v + ": Pointer;",
                "//   " + x + ": DWORD;", ""};
  body.insert(body.end(), allocation.begin(), allocation.end());
  body.insert(body.end(), {index, call, release});

  GeneratedCode code;
  code.fragment = Fragment(texts, body);
  code.uses = {"ShellAPI, ShellExt"};
  code.decl = {"var", "  " + v + ": Pointer;", "  " + x + ": DWORD;"};
  for (const std::string& line : allocation) code.impl.push_back("  " + line);
  // The index line already carries its two blanks; call and release stay at the margin as in the fragment.
  code.impl.insert(code.impl.end(), {index, call, release});
  return code;
}

}  // namespace qm
