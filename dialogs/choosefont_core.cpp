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
// How many lines the start values take: nine from the variable; fewer in the literal form, which leaves out the
// styles the sample font lacks.
std::size_t StartValueCount(const ChooseFontOptions& o) {
  if (o.initWithVar) return 9;
  const SampleFont& f = o.sample;
  return 5 + std::size_t{f.bold} + std::size_t{f.italic} + std::size_t{f.underline} + std::size_t{f.strikeOut};
}

void WriteStartValues(const ChooseFontOptions& o, CodeWriter& out) {
  if (o.initWithVar) {
    out.Add({"  rgbColors := Color;"});
    out.Add({"  lfHeight := Height;"});
    out.Add({"  if fsBold in Style then lfWeight :=  700;"});
    out.Add({"  lfItalic := Byte(fsItalic in Style);"});
    out.Add({"  lfUnderline := Byte(fsUnderline in Style);"});
    out.Add({"  lfStrikeOut := Byte(fsStrikeOut in Style);"});
    out.Add({"  lfCharSet := Byte(Charset);"});
    out.Add({"  lfPitchAndFamily := Byte(Pitch);"});
    out.Add({"  StrPCopy(lfFaceName, Name);"});
    return;
  }
  const SampleFont& f = o.sample;
  out.Add({"  rgbColors := ", ColorLiteral(f.color), ";"});
  out.Add({"  lfHeight := ", Decimal(f.height), ";"});
  if (f.bold) out.Add({"  lfWeight :=  700;"});
  if (f.italic) out.Add({"  lfItalic := 1;"});
  if (f.underline) out.Add({"  lfUnderline := 1;"});
  if (f.strikeOut) out.Add({"  lfStrikeOut := 1;"});
  out.Add({"  lfCharSet := ", Decimal(static_cast<std::uint32_t>(f.charset)), ";"});
  out.Add({"  lfPitchAndFamily := ", Decimal(static_cast<std::uint32_t>(f.pitch)), ";"});
  out.Add({"  StrPCopy(lfFaceName, '", f.name, "');"});
}

constexpr std::size_t kCommentLines = 6;      // header2, header3 and the four declaration comments
constexpr std::size_t kFixedStatements = 21;  // the record set-up and the reading back of the chosen font
}  // namespace

GeneratedCode GenerateChooseFont(const ChooseFontOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateChooseFont(o, texts, target, false);
}

GeneratedCode GenerateChooseFont(const ChooseFontOptions& o, const FrameTexts& texts, TCodeTarget target,
                                 bool handleAnswer) {
  const std::string& v = o.varName;
  const bool both = o.initToLogFont && o.initWithVar;
  const std::size_t statements = kFixedStatements + (o.limitSize ? 2 : 0) +
                                 (o.initToLogFont ? 1 + StartValueCount(o) : 0) +
                                 (handleAnswer ? kCommonDialogFailureLines : 0);

  CodeWriter out(texts, target, kCommentLines + (handleAnswer ? 2 : 0), statements, handleAnswer ? 5 : 3);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//  cf: TChooseFont; { CommDlg must be in uses clause !}"});
  out.Comment({"//  lf: TLogFont;"});
  out.Comment({"//  ", v, ": TFont;"});
  out.Comment({"//  ", v, " := TFont.Create; { if it is not initialized yet do not forget to create it }"});
  if (handleAnswer) CommentCommonDialogFailure(out, "//  ");

  out.Add({"FillChar(cf, SizeOf(TChooseFont), 0);"});
  // The dialog starts from every field of the logical font, and the start values set only some of them.
  if (o.initToLogFont) out.Add({"FillChar(lf, SizeOf(TLogFont), 0);"});
  if (both) {
    out.Add({"with cf, lf, ", v, " do"});
  } else {
    out.Add({"with cf, lf do"});
  }
  out.Add({"begin"});
  out.Add({"  lStructSize := SizeOf(TChooseFont);"});
  out.Add({"  hwndOwner := Application.Handle;"});
  out.Add({"  lpLogFont := @lf;"});
  out.Add({"  Flags := ", Decimal(ChooseFontFlags(o)), ";"});
  if (o.limitSize) {
    out.Add({"  nSizeMin := ", Decimal(o.minSize), ";"});
    out.Add({"  nSizeMax := ", Decimal(o.maxSize), ";"});
  }
  if (o.initToLogFont) WriteStartValues(o, out);
  out.Add({"end;"});
  out.Add({"if ChooseFont(", RecordArgumentPrefix(target), "cf) then with cf, lf, ", v, " do"});
  out.Add({"begin"});
  out.Add({"  Charset := lfCharset;"});
  out.Add({"  Color := rgbColors;"});
  out.Add({"  Height := lfHeight;"});
  out.Add({"  Name := StrPas(lfFaceName);"});
  out.Add({"  Pitch := TFontPitch(lfPitchAndFamily and $F);"});
  out.Add({"  Style := [];"});
  out.Add({"  if lfWeight >= 700 then Style := Style + [fsBold];"});
  out.Add({"  if Boolean(lfItalic) then Style := Style + [fsItalic];"});
  out.Add({"  if Boolean(lfUnderline) then Style := Style + [fsUnderline];"});
  out.Add({"  if Boolean(lfStrikeOut) then Style := Style + [fsStrikeOut];"});
  out.Add({handleAnswer ? "end" : "end;"});
  if (handleAnswer) AddCommonDialogFailure(out, "Application.Handle");

  out.Declare({"  cf: TChooseFont; { CommDlg must be in uses clause !}"});
  out.Declare({"  lf: TLogFont;"});
  out.Declare({"  ", v, ": TFont;"});
  if (handleAnswer) DeclareCommonDialogFailure(out);
  return out.Finish("CommDlg");
}

}  // namespace qm
