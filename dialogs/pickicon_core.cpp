#include "dialogs/pickicon_core.h"

namespace qm {

std::string_view PathForPicker(std::string_view path) { return path.substr(0, kPickIconPathChars - 1); }

PathLocation LocatePath(std::string_view path) {
  const auto separator = [&](std::size_t i) { return i < path.size() && (path[i] == '\\' || path[i] == '/'); };
  const auto driveAt = [&](std::size_t i) {
    if (i + 1 >= path.size() || path[i + 1] != ':') return false;
    const char c = path[i];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  };
  const auto drive = [&](std::size_t i) { return PathLocation{PathPlace::Drive, {path[i], ':', '\\'}}; };
  if (separator(0) && separator(1)) {
    if (path.size() > 2 && path[2] == '?' && separator(3) && driveAt(4)) return drive(4);
    return {PathPlace::Unc, {}};
  }
  if (driveAt(0)) return drive(0);
  return {};
}

GeneratedCode GeneratePickIcon(const PickIconOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GeneratePickIcon(o, texts, target, false);
}

GeneratedCode GeneratePickIcon(const PickIconOptions& o, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer) {
  const std::string& v = o.fileNameVar;
  const std::string& x = o.iconIndexVar;
  const std::string& p = o.fileToOpen;

  const bool branch = HasWindows9xBranch(target);
  const std::string_view indent = branch ? "  " : "";
  CodeWriter out(texts, target, handleAnswer ? 6 : 5, (branch ? 13 : 5) + (handleAnswer ? 13 : 0),
                 handleAnswer ? 3 : 2);
  out.Comment({"// unit ShellExt must be in uses clause !"});
  out.Comment({texts.header3});
  out.Comment({"//   ", v, ": Pointer;"});
  out.Comment({"//   ", x, ": DWORD;"});
  if (handleAnswer) out.Comment({"//   nPicked: Integer;"});
  out.Comment({});
  // The wide buffer holds MAX_PATH characters; the conversion may write no more than that. A Unicode program runs
  // only on the NT family and needs no other buffer.
  if (branch) {
    out.Add({"if Win32Platform = VER_PLATFORM_WIN32_NT then"});
    out.Add({"begin"});
  }
  out.Add({indent, "GetMem(", v, ", MAX_PATH*SizeOf(WideChar));"});
  out.Add({indent, "StringToWideChar('", p, "', ", v, ", MAX_PATH);"});
  if (branch) {
    out.Add({"end"});
    out.Add({"else"});
    out.Add({"begin"});
    out.Add({"  GetMem(", v, ", MAX_PATH*SizeOf(AnsiChar));"});
    out.Add({"  StrPCopy(", v, ", '", p, "');"});
    out.Add({"end;"});
  }
  if (handleAnswer) {
    out.Add({x, " := ", Decimal(o.iconIndex), ";"});
    out.Add({"nPicked := SHPickIcon(Handle, ", v, ", MAX_PATH, ", x, ");"});
    out.Add({"if nPicked > 0 then"});
    out.Add({"begin"});
    out.Add({"  // the user chose icon ", x, " of the file in ", v});
    out.Add({"end"});
    out.Add({"else"});
    out.Add({"begin"});
    out.Add({"  if nPicked = 0 then"});
    out.Add({"  begin"});
    out.Add({"    // the user cancelled"});
    out.Add({"  end"});
    out.Add({"  else"});
    out.Add({"    MessageBox(Handle, PChar('The icon picker could not be shown.'), PChar('Error'), MB_ICONERROR);"});
    out.Add({"end;"});
    out.Add({"FreeMem(", v, ");"});
    out.Declare({"  ", v, ": Pointer;"});
    out.Declare({"  ", x, ": DWORD;"});
    out.Declare({"  nPicked: Integer;"});
    return out.Finish("ShellAPI, ShellExt");
  }
  // The index line already carries its two blanks; call and release stay at the margin as in the fragment.
  out.AddUnindented({"  ", x, " := ", Decimal(o.iconIndex), ";"});
  out.AddUnindented({"SHPickIcon(Handle, ", v, ", MAX_PATH, ", x, ");"});
  out.AddUnindented({"FreeMem(", v, ");"});

  out.Declare({"  ", v, ": Pointer;"});
  out.Declare({"  ", x, ": DWORD;"});
  return out.Finish("ShellAPI, ShellExt");
}

}  // namespace qm
