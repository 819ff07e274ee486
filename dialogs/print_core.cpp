#include "dialogs/print_core.h"

namespace qm {

std::uint32_t PrintFlags(const PrintOptions& o) {
  std::uint32_t n = 256;  // PD_RETURNDC
  if (o.selection) n |= 1;
  if (o.pageNums) n |= 2;
  if (o.noSelection) n |= 4;
  if (o.noPageNums) n |= 8;
  if (o.collate) n |= 16;
  if (o.printToFile) n |= 32;
  if (o.printSetup) n |= 64;
  if (o.noWarning) n |= 128;
  if (o.showHelp) n |= 2048;
  if (o.disablePrintToFile) n |= 524288;
  return n;
}

namespace {
std::uint16_t Low16(std::int32_t value) { return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFF); }
}  // namespace

std::uint16_t PrintFromPage(const PrintOptions& o) {
  return o.pageNums ? Low16(StrToIntDef(o.fromPage, 1)) : 65535;
}

std::uint16_t PrintToPage(const PrintOptions& o) {
  return o.pageNums ? Low16(StrToIntDef(o.toPage, 65535)) : 65535;
}

std::uint16_t PrintCopiesForRecord(const PrintOptions& o) { return Low16(o.copies); }

GeneratedCode GeneratePrint(const PrintOptions& o, const FrameTexts& texts) {
  const Lines statements = {
      "FillChar(pd, SizeOf(TPrintDlg), 0);",
      "with pd do",
      "begin",
      "  lStructSize := SizeOf(TPrintDlg);",
      "  hwndOwner := Handle;",
      "  hDC := 0;",
      "  hDevMode  := 0;",
      "  hDevNames := 0;",
      "  Flags := " + Decimal(PrintFlags(o)) + ";",
      "  nCopies := " + Decimal(o.copies) + ";",
      "  nMinPage  := 1;",
      "  nMaxPage  := 65535;",
      "  nFromPage := " + Decimal(static_cast<std::uint32_t>(PrintFromPage(o))) + ";",
      "  nToPage := " + Decimal(static_cast<std::uint32_t>(PrintToPage(o))) + ";",
      "end;",
      "if PrintDlg(pd) then with pd do",
      "begin",
  };
  // The placeholder comment stands in column 1 in both forms.
  const std::string placeholder = "{ Place your code here}";

  Lines body = {texts.header2, texts.header3, "//  pd: TPrintDlg; { CommDlg must be in uses clause !}"};
  body.insert(body.end(), statements.begin(), statements.end());
  body.push_back(placeholder);
  body.push_back("end;");

  GeneratedCode code;
  code.fragment = Fragment(texts, body);
  code.uses = {"CommDlg"};
  code.decl = {"var", "  pd: TPrintDlg;"};
  for (const auto& line : statements) code.impl.push_back("  " + line);
  code.impl.push_back(placeholder);
  code.impl.push_back("  end;");
  return code;
}

}  // namespace qm
