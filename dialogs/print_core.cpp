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

GeneratedCode GeneratePrint(const PrintOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GeneratePrint(o, texts, target, false);
}

GeneratedCode GeneratePrint(const PrintOptions& o, const FrameTexts& texts, TCodeTarget target, bool handleAnswer) {
  CodeWriter out(texts, target, handleAnswer ? 5 : 3, 19 + (handleAnswer ? kCommonDialogFailureLines : 0),
                 handleAnswer ? 3 : 1);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//  pd: TPrintDlg; { CommDlg must be in uses clause !}"});
  if (handleAnswer) CommentCommonDialogFailure(out, "//  ");
  out.Add({"FillChar(pd, SizeOf(TPrintDlg), 0);"});
  out.Add({"with pd do"});
  out.Add({"begin"});
  out.Add({"  lStructSize := SizeOf(TPrintDlg);"});
  out.Add({"  hwndOwner := Handle;"});
  out.Add({"  hDC := 0;"});
  out.Add({"  hDevMode  := 0;"});
  out.Add({"  hDevNames := 0;"});
  out.Add({"  Flags := ", Decimal(PrintFlags(o)), ";"});
  out.Add({"  nCopies := ", Decimal(o.copies), ";"});
  out.Add({"  nMinPage  := 1;"});
  out.Add({"  nMaxPage  := 65535;"});
  out.Add({"  nFromPage := ", Decimal(static_cast<std::uint32_t>(PrintFromPage(o))), ";"});
  out.Add({"  nToPage := ", Decimal(static_cast<std::uint32_t>(PrintToPage(o))), ";"});
  out.Add({"end;"});
  out.Add({"if PrintDlg(", RecordArgumentPrefix(target), "pd) then with pd do"});
  out.Add({"begin"});
  // The placeholder comment stands in column 1 in both forms.
  out.AddUnindented("{ Place your code here}");
  out.Add({handleAnswer ? "end" : "end;"});
  if (handleAnswer) AddCommonDialogFailure(out, "Handle");

  out.Declare({"  pd: TPrintDlg;"});
  if (handleAnswer) DeclareCommonDialogFailure(out);
  return out.Finish("CommDlg");
}

}  // namespace qm
