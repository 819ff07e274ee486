#include "app/presets_core.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/integers.h"
#include "core/utf.h"
#include "dialogs/frame_core.h"
#include "resource.h"

namespace qm {

namespace {

using enum PresetControl;
#define QM_FIELD(name, type) PresetField{#name, IDC_##name, type}

constexpr PresetField kMessageBoxFields[] = {
    QM_FIELD(cboCaption, Text),       QM_FIELD(memText, Text),
    QM_FIELD(rbnAPPLMODAL, Radio),    QM_FIELD(rbnTASKMODAL, Radio),
    QM_FIELD(rbnSYSTEMMODAL, Radio),  QM_FIELD(chkAsProcedure, Check),
    QM_FIELD(edtVarName, Text),       QM_FIELD(btnOK_1, Toggle),
    QM_FIELD(btnOKCANCEL_1, Toggle),  QM_FIELD(btnOKCANCEL_2, Toggle),
    QM_FIELD(btnRETRYCANCEL_1, Toggle), QM_FIELD(btnRETRYCANCEL_2, Toggle),
    QM_FIELD(btnYESNO_1, Toggle),     QM_FIELD(btnYESNO_2, Toggle),
    QM_FIELD(btnYESNOCANCEL_1, Toggle), QM_FIELD(btnYESNOCANCEL_2, Toggle),
    QM_FIELD(btnYESNOCANCEL_3, Toggle), QM_FIELD(btnABORTRETRYIGNORE_1, Toggle),
    QM_FIELD(btnABORTRETRYIGNORE_2, Toggle), QM_FIELD(btnABORTRETRYIGNORE_3, Toggle),
    QM_FIELD(tbnInformation, Toggle), QM_FIELD(tbnWarning, Toggle),
    QM_FIELD(tbnError, Toggle),       QM_FIELD(tbnConfirmation, Toggle),
};
constexpr PresetField kBrowseForFolderFields[] = {
    QM_FIELD(memBrowseForFolder, Text),     QM_FIELD(trvBrowseForFolder, Tree),
    QM_FIELD(rbnRETURNONLYFSDIRS, Radio),   QM_FIELD(rbnBROWSEFORCOMPUTER, Radio),
    QM_FIELD(rbnBROWSEFORPRINTER, Radio),   QM_FIELD(edtResPIDL, Text),
    QM_FIELD(edtString, Text),
};
constexpr PresetField kRunFields[] = {
    QM_FIELD(edtRunTitle, Text),     QM_FIELD(memDescription, Text),  QM_FIELD(edtDirectory, Text),
    QM_FIELD(rgpRunIcon_0, Radio),   QM_FIELD(rgpRunIcon_1, Radio),   QM_FIELD(chkBrowseButton, Check),
    QM_FIELD(chkDefaultItem, Check), QM_FIELD(chkCalcWorkDir, Check), QM_FIELD(chkNoLabel, Check),
    QM_FIELD(chkNoSeparate, Check),
};
constexpr PresetField kFormatDriveFields[] = {
    QM_FIELD(cboDrives, Choice),          QM_FIELD(cboCapacity, Choice),     QM_FIELD(rgrFormatType_0, Radio),
    QM_FIELD(rgrFormatType_1, Radio),     QM_FIELD(chkFormatCallAsProc, Check), QM_FIELD(edtFormatVarName, Text),
};
constexpr PresetField kShellAboutFields[] = {QM_FIELD(edtApp, Text), QM_FIELD(memOtherStuff, Text)};
constexpr PresetField kPickIconFields[] = {
    QM_FIELD(edtFileToOpen, Text), QM_FIELD(edtFileName, Text), QM_FIELD(seIconIndex, Number),
    QM_FIELD(edtIconIndex, Text),
};
constexpr PresetField kOpenFileFields[] = {
    QM_FIELD(OpenTitle, Text),         QM_FIELD(OpenDir, Text),          QM_FIELD(OpenFile, Text),
    QM_FIELD(GridOpen, Grid),          QM_FIELD(OpenIndex, Number),      QM_FIELD(FILEMUSTEXIST, Check),
    QM_FIELD(PATHMUSTEXIST, Check),    QM_FIELD(HIDEREADONLY, Check),    QM_FIELD(ALLOWMULTISELECT, Check),
    QM_FIELD(CREATEPROMPT, Check),     QM_FIELD(edtOpenVar, Text),       QM_FIELD(chkInitOpen, Check),
};
constexpr PresetField kSaveFileFields[] = {
    QM_FIELD(SaveTitle, Text),         QM_FIELD(SaveDir, Text),          QM_FIELD(SaveFile, Text),
    QM_FIELD(GridSave, Grid),          QM_FIELD(FILEMUSTEXIST1, Check),  QM_FIELD(PATHMUSTEXIST1, Check),
    QM_FIELD(HIDEREADONLY1, Check),    QM_FIELD(OVERWRITEPROMPT, Check), QM_FIELD(CREATEPROMPT1, Check),
    QM_FIELD(SaveIndex, Number),       QM_FIELD(edtSaveVar, Text),       QM_FIELD(chkInitSave, Check),
};
constexpr PresetField kChooseColorFields[] = {
    QM_FIELD(FULLOPEN, Check), QM_FIELD(PREVENTFULLOPEN, Check), QM_FIELD(RGBINIT, Check),
    QM_FIELD(SHOWHELP, Check), QM_FIELD(spRed, Number),          QM_FIELD(spGreen, Number),
    QM_FIELD(spBlue, Number),  QM_FIELD(edtColorVar, Text),      QM_FIELD(chkInitWithColor, Check),
};
constexpr PresetField kPrintFields[] = {
    QM_FIELD(ALLPAGES, Radio),           QM_FIELD(PAGENUMS, Radio),       QM_FIELD(edtFromPage, Text),
    QM_FIELD(edtToPage, Text),           QM_FIELD(SELECTION, Radio),      QM_FIELD(chkCollate, Check),
    QM_FIELD(spCopies, Number),          QM_FIELD(DISABLEPRINTTOFILE, Check), QM_FIELD(NOPAGENUMS, Check),
    QM_FIELD(NOSELECTION, Check),        QM_FIELD(PRINTSETUP, Check),     QM_FIELD(NOWARNING, Check),
    QM_FIELD(SHOWHELP_P, Check),         QM_FIELD(chkPrintToFile, Check),
};
constexpr PresetField kChooseFontFields[] = {
    QM_FIELD(SCREENFONTS, Check),   QM_FIELD(PRINTERFONTS, Check),        QM_FIELD(TTONLY, Check),
    QM_FIELD(FIXEDPITCHONLY, Check), QM_FIELD(SCALABLEONLY, Check),       QM_FIELD(EFFECTS, Check),
    QM_FIELD(NOSCRIPTSEL, Check),   QM_FIELD(NOFACESEL, Check),           QM_FIELD(NOSTYLESEL, Check),
    QM_FIELD(NOSIZESEL, Check),     QM_FIELD(LIMITSIZE, Check),           QM_FIELD(spMinSize, Number),
    QM_FIELD(spMaxSize, Number),    QM_FIELD(INITTOLOGFONTSTRUCT, Check), QM_FIELD(chkInitWith, Check),
    QM_FIELD(FontSample, Font),     QM_FIELD(edtFontVar, Text),
};
constexpr PresetField kFileOperationFields[] = {
    QM_FIELD(rgpFileOp_0, Radio),     QM_FIELD(rgpFileOp_1, Radio),        QM_FIELD(rgpFileOp_2, Radio),
    QM_FIELD(rgpFileOp_3, Radio),     QM_FIELD(edtProgressTitle, Text),    QM_FIELD(ALLOWUNDO, Check),
    QM_FIELD(NOCONFIRMATION, Check),  QM_FIELD(RENAMEONCOLLISION, Check),  QM_FIELD(FILESONLY, Check),
    QM_FIELD(SIMPLEPROGRESS, Check),  QM_FIELD(MULTIDESTFILES, Check),     QM_FIELD(strFrom, Grid),
    QM_FIELD(strTo, Grid),
};
#undef QM_FIELD

bool SameAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// A number of the encoded font, within its field's range.
bool FontNumber(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value) {
  if (text.empty() || text.size() > 11) return false;
  std::size_t at = text[0] == '-' ? 1 : 0;
  if (at == text.size()) return false;
  std::int64_t v = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return false;
    v = v * 10 + (text[at] - '0');
  }
  value = text[0] == '-' ? -v : v;
  return value >= min && value <= max;
}

std::string Shortened(std::string_view text, std::size_t chars) {
  if (CodePointCount(text) <= chars) return std::string(text);
  std::size_t at = 0;
  for (std::size_t n = 0; n < chars; ++n) at += DecodeUtf8(text, at).size;
  return std::string(text.substr(0, at)) + "...";
}

}  // namespace

std::span<const PresetField> PresetFields(int kind) {
  switch (kind) {
    case dkMessageBox: return kMessageBoxFields;
    case dkBrowseForFolder: return kBrowseForFolderFields;
    case dkRunFile: return kRunFields;
    case dkFormatDrive: return kFormatDriveFields;
    case dkShellAbout: return kShellAboutFields;
    case dkPickIcon: return kPickIconFields;
    case dkOpenFile: return kOpenFileFields;
    case dkSaveFile: return kSaveFileFields;
    case dkChooseColor: return kChooseColorFields;
    case dkPrint: return kPrintFields;
    case dkChooseFont: return kChooseFontFields;
    case dkFileOperation: return kFileOperationFields;
    default: return {};
  }
}

PresetNameProblem CheckPresetName(std::string_view utf8) {
  if (utf8.empty()) return PresetNameProblem::Empty;
  if (utf8.find('\\') != std::string_view::npos) return PresetNameProblem::Backslash;
  if (CodePointCount(utf8) > kMaxPresetNameLength) return PresetNameProblem::TooLong;
  return PresetNameProblem::None;
}

std::string PresetNameProblemText(PresetNameProblem problem) {
  switch (problem) {
    case PresetNameProblem::Empty: return "Please give the preset a name.";
    case PresetNameProblem::Backslash: return "A preset's name cannot hold a backslash (\\).";
    case PresetNameProblem::TooLong:
      return "A preset's name can have at most " + std::to_string(kMaxPresetNameLength) + " characters.";
    case PresetNameProblem::None: break;
  }
  return {};
}

std::string EncodeFlag(bool on) { return on ? "1" : "0"; }

std::optional<bool> DecodeFlag(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

std::string EncodeGrid(const GridCells& rows) {
  std::string out;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) out += '\t';
      for (char ch : row[c]) {
        switch (ch) {
          case '\\': out += "\\\\"; break;
          case '\t': out += "\\t"; break;
          case '\n': out += "\\n"; break;
          case '\r': out += "\\r"; break;
          default: out += ch;
        }
      }
    }
    out += '\n';
  }
  return out;
}

std::optional<GridCells> DecodeGrid(std::string_view text) {
  GridCells rows;
  if (text.empty()) return rows;
  if (text.back() != '\n') return std::nullopt;
  std::vector<std::string> row(1);
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char ch = text[at];
    if (ch == '\n') {
      rows.push_back(std::move(row));
      row.assign(1, {});
    } else if (ch == '\t') {
      row.emplace_back();
    } else if (ch == '\\') {
      if (++at == text.size()) return std::nullopt;
      switch (text[at]) {
        case '\\': row.back() += '\\'; break;
        case 't': row.back() += '\t'; break;
        case 'n': row.back() += '\n'; break;
        case 'r': row.back() += '\r'; break;
        default: return std::nullopt;
      }
    } else if (ch == '\r') {
      return std::nullopt;  // only ever written escaped
    } else {
      row.back() += ch;
    }
  }
  return rows;
}

std::string EncodeFont(const SampleFont& font) {
  const int styles = (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0) | (font.strikeOut ? 8 : 0);
  return std::to_string(font.height) + "," + std::to_string(font.color) + "," + std::to_string(font.charset) + "," +
         std::to_string(font.pitch) + "," + std::to_string(styles) + "," + font.name;
}

std::optional<SampleFont> DecodeFont(std::string_view text) {
  struct Range {
    std::int64_t min, max;
  };
  constexpr std::array<Range, 5> kRanges{{{std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()},
                                          {0, std::numeric_limits<std::uint32_t>::max()},
                                          {0, 255},
                                          {0, 2},
                                          {0, 15}}};
  std::array<std::int64_t, 5> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos ||
        !FontNumber(text.substr(0, comma), kRanges[i].min, kRanges[i].max, numbers[i]))
      return std::nullopt;
    text.remove_prefix(comma + 1);
  }
  // A face name is at most 31 characters in a LOGFONT.
  if (text.empty() || ToUtf16(text).size() > 31) return std::nullopt;
  SampleFont font;
  font.height = static_cast<std::int32_t>(numbers[0]);
  font.color = static_cast<std::uint32_t>(numbers[1]);
  font.charset = static_cast<std::uint8_t>(numbers[2]);
  font.pitch = static_cast<std::uint8_t>(numbers[3]);
  font.bold = (numbers[4] & 1) != 0;
  font.italic = (numbers[4] & 2) != 0;
  font.underline = (numbers[4] & 4) != 0;
  font.strikeOut = (numbers[4] & 8) != 0;
  font.name = std::string(text);
  return font;
}

PresetSkip DecodeNumber(std::string_view text, std::int32_t min, std::int32_t max, std::int32_t& value) {
  std::int32_t v = 0;
  if (!StrToInt(text, v)) return PresetSkip::WrongType;
  if ((min != 0 || max != 0) && (v < min || v > max)) return PresetSkip::OutOfRange;
  value = v;
  return PresetSkip::None;
}

PresetSkip DecodeChoice(std::string_view text, const std::vector<std::string>& items, int& index) {
  const auto found = std::find(items.begin(), items.end(), text);
  if (found != items.end()) {
    index = static_cast<int>(found - items.begin());
    return PresetSkip::None;
  }
  if (!text.empty()) return PresetSkip::OutOfRange;
  index = -1;
  return PresetSkip::None;
}

PresetSkip DecodeGridFor(std::string_view text, int cols, int rows, GridCells& cells) {
  std::optional<GridCells> decoded = DecodeGrid(text);
  if (!decoded) return PresetSkip::WrongType;
  for (std::size_t r = 0; r < decoded->size(); ++r) {
    const auto& row = (*decoded)[r];
    for (std::size_t c = 0; c < row.size(); ++c)
      if (!row[c].empty() && (r >= static_cast<std::size_t>(std::max(rows, 0)) ||
                              c >= static_cast<std::size_t>(std::max(cols, 0))))
        return PresetSkip::OutOfRange;
  }
  cells = std::move(*decoded);
  return PresetSkip::None;
}

PresetPlan PlanPreset(int kind, const std::vector<StoredValue>& stored) {
  PresetPlan plan;
  const auto fields = PresetFields(kind);
  for (const PresetField& field : fields) {
    const auto value = std::find_if(stored.begin(), stored.end(),
                                    [&](const StoredValue& v) { return SameAsciiCase(v.name, field.name); });
    if (value != stored.end() && value->text) plan.steps.push_back({&field, *value->text});
  }
  for (const StoredValue& value : stored) {
    const bool known = std::any_of(fields.begin(), fields.end(),
                                   [&](const PresetField& f) { return SameAsciiCase(value.name, f.name); });
    if (!known) plan.skipped.push_back({value.name, PresetSkip::UnknownName});
    else if (!value.text) plan.skipped.push_back({value.name, PresetSkip::WrongType});
  }
  return plan;
}

std::string SkippedMessage(std::string_view name, const std::vector<SkippedValue>& skipped) {
  constexpr std::size_t kListed = 20;
  std::string text = "The preset \"";
  text += Shortened(name, kMaxPresetNameLength);
  text += "\" was applied without these values, which do not fit the panel:\n";
  for (std::size_t i = 0; i < skipped.size() && i < kListed; ++i) {
    const char* why = skipped[i].reason == PresetSkip::UnknownName ? "no such control"
                      : skipped[i].reason == PresetSkip::OutOfRange ? "out of range"
                                                                    : "wrong type";
    text += '\n';
    text += Shortened(skipped[i].name, 40);
    text += " (";
    text += why;
    text += ')';
  }
  if (skipped.size() > kListed) {
    text += "\nand ";
    text += std::to_string(skipped.size() - kListed);
    text += " more";
  }
  return text;
}

}  // namespace qm
