#include "dialogs/rundlg_core.h"

#include <string_view>

#include "core/utf.h"

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
  std::string_view var;
  std::string_view literal;
  bool present;
};

std::string Number(std::size_t n) { return std::to_string(n); }
}  // namespace

GeneratedCode GenerateRunDlg(const RunDlgOptions& o, const FrameTexts& texts, TCodeTarget target) {
  const auto ansiLength = [&o](std::string_view text) {
    return o.ansiLength ? o.ansiLength(text) : CodePointCount(text);
  };
  const std::string descriptionLiteral = JoinMemoLines(o.descriptionLines);
  const RunText items[3] = {
      {"lpTitle", o.title, !o.title.empty()},
      {"lpDescription", descriptionLiteral, !o.description.empty()},
      {"lpDirectory", o.directory, !o.directory.empty()},
  };
  const RunText& title = items[0];
  const RunText& description = items[1];
  const RunText& directory = items[2];
  std::size_t present = 0;
  for (const RunText& t : items) present += std::size_t{t.present};
  // A Unicode program has only the wide texts of the NT family to prepare: two statements and the release for each
  // text. Otherwise seven statements of the frame, and five for each text: two allocations, two copies, the release.
  const bool branch = HasWindows9xBranch(target);
  const std::size_t statements = branch ? 7 + 5 * present : 1 + 3 * present;
  const std::string_view indent = branch ? "  " : "";

  CodeWriter out(texts, target, 6, statements, 3);
  out.Comment({"// modules ShlellAPI, ShellExt must be in uses clause !"});
  out.Comment({texts.header2});
  out.Comment({"// lpTitle: Pointer;"});
  out.Comment({"// lpDescription: Pointer;"});
  out.Comment({"// lpDirectory: Pointer;"});
  out.Comment({});

  // The statements as they stand in the fragment; the editor indents them by two more blanks.
  if (branch) {
    out.Add({"if Win32Platform = VER_PLATFORM_WIN32_NT then"});
    out.Add({"begin"});
  }
  for (const RunText& t : items) {
    if (!t.present) continue;
    // The literal's length in the characters of the target's strings: UTF-16 units where Char is two bytes, so
    // that a character outside the Basic Multilingual Plane gets both of its halves; bytes of the ANSI code page
    // elsewhere, which a wide buffer of as many characters holds too.
    const std::size_t n = target == ctDelphiUnicode ? ToUtf16(t.literal).size() : ansiLength(t.literal);
    out.Add({indent, "GetMem(", t.var, ", ", Number(RunDlgBufferBytes(n, true)), ");"});
    out.Add({indent, "StringToWideChar('", t.literal, "', PWideChar(", t.var, "), ", Number(n + 1), ");"});
  }
  if (branch) {
    out.Add({"end"});
    out.Add({"else"});
    out.Add({"begin"});
    for (const RunText& t : items) {
      if (!t.present) continue;
      out.Add({"  GetMem(", t.var, ", ", Number(RunDlgBufferBytes(ansiLength(t.literal), false)), ");"});
      out.Add({"  StrPCopy(PAnsiChar(", t.var, "), '", t.literal, "');"});
    }
    out.Add({"end;"});
  }
  // A text that is left out was never allocated: the dialog gets nil in its place, not an unassigned pointer.
  auto argument = [](const RunText& t) { return t.present ? t.var : std::string_view("nil"); };
  out.Add({"SHRunFile(Handle, ", o.applicationIcon ? "Application.Icon.Handle" : "0", ", ", argument(directory), ", ",
           argument(title), ", ", argument(description), ", ", Decimal(RunDlgFlags(o)), ");"});
  for (const RunText& t : items) {
    if (t.present) out.Add({"FreeMem(", t.var, ");"});
  }

  out.Declare({"  lpTitle: Pointer;"});
  out.Declare({"  lpDescription: Pointer;"});
  out.Declare({"  lpDirectory: Pointer;"});
  return out.Finish("ShellAPI, ShellExt");
}

}  // namespace qm
