#include "dialogs/choosefont_core.h"

#include "dialogs/choosecolor_core.h"

namespace qm {

LogFontValues ToLogFont(const SampleFont& f) {
  LogFontValues lf;
  lf.height = f.height;
  lf.weight = f.bold ? 700 : 0;
  lf.italic = f.italic ? 1 : 0;
  lf.underline = f.underline ? 1 : 0;
  lf.strikeOut = f.strikeOut ? 1 : 0;
  lf.charset = f.charset;
  lf.pitchAndFamily = f.pitch;
  lf.faceName = f.name;
  return lf;
}

SampleFont FromChosenFont(const LogFontValues& lf, std::uint32_t rgbColors) {
  SampleFont f;
  f.charset = lf.charset;
  f.color = rgbColors;
  f.height = lf.height;
  f.name = lf.faceName;
  f.pitch = static_cast<std::uint8_t>(lf.pitchAndFamily & 0x0F);
  f.bold = lf.weight >= 700;
  f.italic = lf.italic != 0;
  f.underline = lf.underline != 0;
  f.strikeOut = lf.strikeOut != 0;
  return f;
}

std::uint32_t ChooseFontFlags(const ChooseFontOptions& o) {
  std::uint32_t n = 0;
  if (o.screenFonts) n |= 0x1;
  if (o.printerFonts) n |= 0x2;
  if (o.effects) n |= 0x100;
  if (o.noScriptSel) n |= 0x800000;
  if (o.ttOnly) n |= 0x40000;
  if (o.fixedPitchOnly) n |= 0x4000;
  if (o.scalableOnly) n |= 0x20000;
  if (o.noFaceSel) n |= 0x80000;
  if (o.noStyleSel) n |= 0x100000;
  if (o.noSizeSel) n |= 0x200000;
  if (o.limitSize) n |= 0x2000;
  if (o.initToLogFont) n |= 0x40;
  return n;
}

ChooseFontStart ChooseFontStartValues(const ChooseFontOptions& o) {
  ChooseFontStart s;
  s.flags = ChooseFontFlags(o);
  if (o.limitSize) {
    s.sizeMin = o.minSize;
    s.sizeMax = o.maxSize;
  }
  if (o.initToLogFont) {
    s.logFont = ToLogFont(o.sample);
    s.rgbColors = o.sample.color;
  }
  return s;
}

namespace {
// The nine start-value lines (fewer in the literal form, which leaves out the styles the sample font lacks).
Lines StartValueLines(const ChooseFontOptions& o) {
  if (o.initWithVar) {
    return {
        "  rgbColors := Color;",
        "  lfHeight := Height;",
        "  if fsBold in Style then lfWeight :=  700;",
        "  lfItalic := Byte(fsItalic in Style);",
        "  lfUnderline := Byte(fsUnderline in Style);",
        "  lfStrikeOut := Byte(fsStrikeOut in Style);",
        "  lfCharSet := Byte(Charset);",
        "  lfPitchAndFamily := Byte(Pitch);",
        "  StrPCopy(lfFaceName, Name);",
    };
  }
  const SampleFont& f = o.sample;
  Lines lines = {
      "  rgbColors := " + ColorLiteral(f.color) + ";",
      "  lfHeight := " + Decimal(f.height) + ";",
  };
  if (f.bold) lines.push_back("  lfWeight :=  700;");
  if (f.italic) lines.push_back("  lfItalic := 1;");
  if (f.underline) lines.push_back("  lfUnderline := 1;");
  if (f.strikeOut) lines.push_back("  lfStrikeOut := 1;");
  lines.push_back("  lfCharSet := " + Decimal(static_cast<std::uint32_t>(f.charset)) + ";");
  lines.push_back("  lfPitchAndFamily := " + Decimal(static_cast<std::uint32_t>(f.pitch)) + ";");
  lines.push_back("  StrPCopy(lfFaceName, '" + f.name + "');");
  return lines;
}
}  // namespace

GeneratedCode GenerateChooseFont(const ChooseFontOptions& o, const FrameTexts& texts) {
  const std::string& v = o.varName;
  const bool both = o.initToLogFont && o.initWithVar;

  Lines statements = {
      "FillChar(cf, SizeOf(TChooseFont), 0);",
      both ? "with cf, lf, " + v + " do" : "with cf, lf do",
      "begin",
      "  lStructSize := SizeOf(TChooseFont);",
      "  hwndOwner := Application.Handle;",
      "  lpLogFont := @lf;",
      "  Flags := " + Decimal(ChooseFontFlags(o)) + ";",
  };
  if (o.limitSize) {
    statements.push_back("  nSizeMin := " + Decimal(o.minSize) + ";");
    statements.push_back("  nSizeMax := " + Decimal(o.maxSize) + ";");
  }
  if (o.initToLogFont) {
    const Lines start = StartValueLines(o);
    statements.insert(statements.end(), start.begin(), start.end());
  }
  const Lines tail = {
      "end;",
      "if ChooseFont(cf) then with cf, lf, " + v + " do",
      "begin",
      "  Charset := lfCharset;",
      "  Color := rgbColors;",
      "  Height := lfHeight;",
      "  Name := StrPas(lfFaceName);",
      "  Pitch := TFontPitch(lfPitchAndFamily and $F);",
      "  Style := [];",
      "  if lfWeight >= 700 then Style := Style + [fsBold];",
      "  if Boolean(lfItalic) then Style := Style + [fsItalic];",
      "  if Boolean(lfUnderline) then Style := Style + [fsUnderline];",
      "  if Boolean(lfStrikeOut) then Style := Style + [fsStrikeOut];",
      "end;",
  };
  statements.insert(statements.end(), tail.begin(), tail.end());

  Lines body = {
      texts.header2,
      texts.header3,
      "//  cf: TChooseFont; { CommDlg must be in uses clause !}",
      "//  lf: TLogFont;",
      "//  " + v + ": TFont;",
      "//  " + v + " := TFont.Create; { if it is not initialized yet do not forget to create it }",
  };
  body.insert(body.end(), statements.begin(), statements.end());

  GeneratedCode code;
  code.fragment = Fragment(texts, body);
  code.uses = {"CommDlg"};
  code.decl = {"var", "  cf: TChooseFont; { CommDlg must be in uses clause !}", "  lf: TLogFont;", "  " + v + ": TFont;"};
  for (const auto& line : statements) code.impl.push_back("  " + line);
  return code;
}

}  // namespace qm
