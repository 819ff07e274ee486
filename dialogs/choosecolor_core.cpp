#include "dialogs/choosecolor_core.h"

#include <string_view>

namespace qm {

std::uint32_t ChooseColorFlags(const ChooseColorOptions& o) {
  std::uint32_t n = 0;
  if (o.rgbInit) n |= 1;
  if (o.fullOpen) n |= 2;
  if (o.preventFullOpen) n |= 4;
  if (o.showHelp) n |= 8;
  return n;
}

std::string ColorLiteral(std::uint32_t color) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[color & 0xF]);
    color >>= 4;
  } while (color != 0);
  if (hex.size() < 6) hex.insert(0, 6 - hex.size(), '0');
  return "$" + hex;
}

std::uint32_t ColorFromParts(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return (static_cast<std::uint32_t>(red) & 0xFF) | ((static_cast<std::uint32_t>(green) & 0xFF) << 8) |
         ((static_cast<std::uint32_t>(blue) & 0xFF) << 16);
}

std::uint32_t ChooseColorStart(const ChooseColorOptions& o) { return o.rgbInit ? o.color : 0; }

GeneratedCode GenerateChooseColor(const ChooseColorOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateChooseColor(o, texts, target, false);
}

GeneratedCode GenerateChooseColor(const ChooseColorOptions& o, const FrameTexts& texts, TCodeTarget target,
                                  bool handleAnswer) {
  const std::string& v = o.varName;

  CodeWriter out(texts, target, handleAnswer ? 7 : 5,
                 (o.rgbInit ? 12 : 11) + (handleAnswer ? kCommonDialogFailureLines : 0), handleAnswer ? 5 : 3);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//  cc: TChooseColor; { CommDlg must be in uses clause !}"});
  out.Comment({"//  acrCustClr: array[0..15] of TColor; { the best solution is to declare this array as global variable "
               "and use Registry to store set of custom colors}"});
  out.Comment({"// ", v, ": TColor;"});
  if (handleAnswer) CommentCommonDialogFailure(out, "// ");
  out.Add({"FillChar(cc, SizeOf(TChooseColor), 0);"});
  out.Add({"with cc do"});
  out.Add({"begin"});
  out.Add({"  lStructSize := SizeOf(TChooseColor);"});
  out.Add({"  hwndOwner := Handle;"});
  out.Add({"  lpCustColors := @acrCustClr;"});
  if (o.rgbInit) {
    const std::string literal = o.initWithVar ? std::string() : ColorLiteral(o.color);
    out.Add({"  rgbResult := ", o.initWithVar ? std::string_view(v) : std::string_view(literal), ";"});
  }
  out.Add({"  Flags := ", Decimal(ChooseColorFlags(o)), ";"});
  out.Add({"end;"});
  out.Add({"if ChooseColor(", RecordArgumentPrefix(target), "cc) then"});
  out.Add({"  ", v, " := TColor(cc.rgbResult)", handleAnswer ? "" : ";"});
  if (handleAnswer) AddCommonDialogFailure(out, "Handle");

  out.Declare({"  cc: TChooseColor;"});
  out.Declare({"  acrCustClr: array[0..15] of TColor;"});
  out.Declare({"  ", v, ": TColor;"});
  if (handleAnswer) DeclareCommonDialogFailure(out);
  return out.Finish("CommDlg");
}

}  // namespace qm
