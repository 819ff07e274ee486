#include "dialogs/rundlg_core.h"

namespace qm {

const char* const kRunDefaultDescription =
    "Type the name of a program, folder, document, or Internet resource, and Windows will open it for you.";

std::uint32_t RunDlgFlags(const RunDlgOptions& o) {
  std::uint32_t n = 0;
  if (o.noBrowse) n |= 1;
  if (o.noDefault) n |= 2;
  if (o.calcDirectory) n |= 4;
  if (o.noLabel) n |= 8;
  if (o.noSeparateMemory) n |= 32;
  return n;
}

std::size_t RunDlgBufferBytes(std::size_t length, bool wide) { return wide ? 2 * length + 2 : length + 1; }

namespace {
// One of the three texts the dialog receives: its variable, its literal, and whether it is written at all.
struct RunText {
  const char* var;
  std::string literal;
  bool present;
};

std::string Number(std::size_t n) { return std::to_string(n); }
}  // namespace

GeneratedCode GenerateRunDlg(const RunDlgOptions& o, const FrameTexts& texts) {
  const RunText items[3] = {
      {"lpTitle", o.title, !o.title.empty()},
      {"lpDescription", JoinMemoLines(o.descriptionLines), !o.description.empty()},
      {"lpDirectory", o.directory, !o.directory.empty()},
  };
  const RunText& title = items[0];
  const RunText& description = items[1];
  const RunText& directory = items[2];

  // The statements as they stand in the fragment; the editor indents them by two more blanks.
  Lines statements = {"if Win32Platform = VER_PLATFORM_WIN32_NT then", "begin"};
  for (const RunText& t : items) {
    if (!t.present) continue;
    const std::size_t n = t.literal.size();
    statements.push_back("  GetMem(" + std::string(t.var) + ", " + Number(RunDlgBufferBytes(n, true)) + ");");
    statements.push_back("  StringToWideChar('" + t.literal + "', PWideChar(" + t.var + "), " + Number(n + 1) + ");");
  }
  statements.insert(statements.end(), {"end", "else", "begin"});
  for (const RunText& t : items) {
    if (!t.present) continue;
    statements.push_back("  GetMem(" + std::string(t.var) + ", " + Number(RunDlgBufferBytes(t.literal.size(), false)) +
                         ");");
    statements.push_back("  StrPCopy(PAnsiChar(" + std::string(t.var) + "), '" + t.literal + "');");
  }
  statements.push_back("end;");
  // A text that is left out was never allocated: the dialog gets nil in its place, not an unassigned pointer.
  auto argument = [](const RunText& t) { return std::string(t.present ? t.var : "nil"); };
  statements.push_back("SHRunFile(Handle, " + std::string(o.applicationIcon ? "Application.Icon.Handle" : "0") + ", " +
                       argument(directory) + ", " + argument(title) + ", " + argument(description) + ", " +
                       Decimal(RunDlgFlags(o)) + ");");
  for (const RunText& t : items)
    if (t.present) statements.push_back("FreeMem(" + std::string(t.var) + ");");

  Lines body = {"// modules ShlellAPI, ShellExt must be in uses clause !",
                texts.header2,
                "// lpTitle: Pointer;",
                "// lpDescription: Pointer;",
                "// lpDirectory: Pointer;",
                ""};
  body.insert(body.end(), statements.begin(), statements.end());

  GeneratedCode code;
  code.fragment = Fragment(texts, body);
  code.uses = {"ShellAPI, ShellExt"};
  code.decl = {"var", "  lpTitle: Pointer;", "  lpDescription: Pointer;", "  lpDirectory: Pointer;"};
  for (const std::string& s : statements) code.impl.push_back("  " + s);
  return code;
}

}  // namespace qm
