#include "dialogs/choosecolor_core.h"

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

GeneratedCode GenerateChooseColor(const ChooseColorOptions& o, const FrameTexts& texts) {
  const std::string& v = o.varName;
  const std::string flags = Decimal(ChooseColorFlags(o));
  const std::string initial = o.initWithVar ? v : ColorLiteral(o.color);

  // The statements, outermost at column 0; the editor indents them two blanks more.
  Lines statements = {
      "FillChar(cc, SizeOf(TChooseColor), 0);",
      "with cc do",
      "begin",
      "  lStructSize := SizeOf(TChooseColor);",
      "  hwndOwner := Handle;",
      "  lpCustColors := @acrCustClr;",
  };
  if (o.rgbInit) statements.push_back("  rgbResult := " + initial + ";");
  statements.push_back("  Flags := " + flags + ";");
  statements.push_back("end;");
  statements.push_back("if ChooseColor(cc) then");
  statements.push_back("  " + v + " := TColor(cc.rgbResult);");

  Lines body = {
      texts.header2,
      texts.header3,
      "//  cc: TChooseColor; { CommDlg must be in uses clause !}",
      "//  acrCustClr: array[0..15] of TColor; { the best solution is to declare this array as global variable and "
      "use Registry to store set of custom colors}",
      "// " + v + ": TColor;",
  };
  body.insert(body.end(), statements.begin(), statements.end());

  GeneratedCode code;
  code.fragment = Fragment(texts, body);
  code.uses = {"CommDlg"};
  code.decl = {"var", "  cc: TChooseColor;", "  acrCustClr: array[0..15] of TColor;", "  " + v + ": TColor;"};
  for (const auto& line : statements) code.impl.push_back("  " + line);
  return code;
}

}  // namespace qm
