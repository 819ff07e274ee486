#include "dialogs/openfile_core.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace qm {

namespace {
// How many of the grid's rows count: those above the first row whose description is empty.
std::size_t FilterRowCount(const std::vector<FilterRow>& gridRows) {
  std::size_t count = 0;
  while (count < gridRows.size() && !gridRows[count].description.empty()) ++count;
  return count;
}

// The code form of the first `count` rows: its length, and the form itself written at the end of a line.
std::size_t CodeFilterSize(const std::vector<FilterRow>& gridRows, std::size_t count) {
  std::size_t size = 0;
  for (std::size_t i = 0; i < count; ++i) {
    size += 1 + gridRows[i].description.size() + 4 + gridRows[i].pattern.size() + 3;
  }
  return size;
}

void AppendCodeFilter(std::string& line, const std::vector<FilterRow>& gridRows, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    line += '\'';
    line += gridRows[i].description;
    line += "'#0'";
    line += gridRows[i].pattern;
    line += "'#0";
  }
}
}  // namespace

std::vector<FilterRow> FilterRows(const std::vector<FilterRow>& gridRows) {
  const auto count = static_cast<std::ptrdiff_t>(FilterRowCount(gridRows));
  return std::vector<FilterRow>(gridRows.begin(), gridRows.begin() + count);
}

std::string TestFilterList(const std::vector<FilterRow>& gridRows) {
  const std::size_t count = FilterRowCount(gridRows);
  std::string list;
  for (std::size_t i = 0; i < count; ++i) {
    list += gridRows[i].description;
    list += '\0';
    list += gridRows[i].pattern;
    list += '\0';
  }
  list += '\0';
  return list;
}

std::string CodeFilterText(const std::vector<FilterRow>& gridRows) {
  const std::size_t count = FilterRowCount(gridRows);
  std::string text;
  text.reserve(CodeFilterSize(gridRows, count));
  AppendCodeFilter(text, gridRows, count);
  return text;
}

std::uint32_t OpenFileFlags(const OpenFileOptions& o) {
  std::uint32_t flags = 0;
  if (o.allowMultiSelect) flags |= kOfnAllowMultiSelect;
  if (o.hideReadOnly) flags |= kOfnHideReadOnly;
  if (o.fileMustExist) flags |= kOfnFileMustExist;
  if (o.pathMustExist) flags |= kOfnPathMustExist;
  if (o.createPrompt) flags |= kOfnCreatePrompt;
  return flags;
}

FileDialogRecord PrepareFileDialog(const FileDialogOptions& o, std::uint32_t flags) {
  FileDialogRecord r;
  r.filterList = TestFilterList(o.gridRows);
  r.hasTitle = !o.title.empty();
  r.title = o.title;
  r.hasInitialDir = !o.initialDir.empty();
  r.initialDir = o.initialDir;
  const std::size_t n = std::min(o.fileName.size(), r.file.size() - 1);
  std::copy_n(o.fileName.begin(), n, r.file.begin());
  if (o.filterIndex != 1) r.filterIndex = static_cast<std::uint32_t>(o.filterIndex);
  r.flags = flags;
  return r;
}

int FilterIndexFromText(const std::string& text) {
  std::int32_t value = 0;
  if (!StrToInt(text, value)) return 1;
  return std::clamp<std::int32_t>(value, 1, 255);
}

GeneratedCode GenerateFileDialog(const FileDialogOptions& o, std::uint32_t flags, const FileDialogCodeVariant& v,
                                 const FrameTexts& texts, TCodeTarget target, bool handleAnswer) {
  const std::size_t filterRows = FilterRowCount(o.gridRows);
  // Thirteen statements always; the title, the filters and the filter index each add one when set.
  const std::size_t statements = 13 + std::size_t{!o.title.empty()} + std::size_t{filterRows > 0} +
                                 std::size_t{o.filterIndex != 1} + (handleAnswer ? kCommonDialogFailureLines : 0);

  CodeWriter out(texts, target, handleAnswer ? 7 : 5, statements, handleAnswer ? 5 : 3);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//   ofn: TOpenFileName; // CommDlg must be in uses clause !"});
  out.Comment({"//   szFile: array[0..MAX_PATH] of Char;"});
  out.Comment({"//   ", o.varName, ": string;"});
  if (handleAnswer) CommentCommonDialogFailure(out, "//   ");

  // The statements at the fragment's indentation; the editor's pane indents each by two more blanks.
  out.Add({"FillChar(ofn, SizeOf(TOpenFileName), 0);"});
  out.Add({"with ofn do"});
  out.Add({"begin"});
  out.Add({"  lStructSize := SizeOf(TOpenFileName);"});
  out.Add({"  hwndOwner := Handle;"});
  out.Add({"  lpstrFile := szFile;"});
  // nMaxFile counts characters: with a two-byte Char, SizeOf would promise the dialog twice the buffer.
  out.Add({target == ctDelphiUnicode ? "  nMaxFile := Length(szFile);" : "  nMaxFile := SizeOf(szFile);"});
  if (!o.title.empty()) out.Add({"  lpstrTitle := PChar('", o.title, "');"});
  if (o.initialDir.empty()) {
    out.Add({"  lpstrInitialDir := nil;"});
  } else {
    out.Add({"  lpstrInitialDir := PChar('", o.initialDir, "');"});
  }
  if (o.initWithVar) {
    out.Add({"  StrPCopy(", v.copyTarget, ", ", o.varName, ");"});
  } else if (!o.fileName.empty()) {
    out.Add({"  StrPCopy(", v.copyTarget, ", '", o.fileName, "');"});
  } else {
    // The buffer is a local array: uncleared, the dialog would show whatever the stack held as the file name and
    // read on past it, looking for the end.
    out.Add({"  szFile[0] := #0;"});
  }
  if (filterRows > 0) {
    static constexpr std::string_view kOpen = "  lpstrFilter := PChar(";
    static constexpr std::string_view kClose = ");";
    out.AddWritten(kOpen.size() + CodeFilterSize(o.gridRows, filterRows) + kClose.size(), [&](std::string& line) {
      line += kOpen;
      AppendCodeFilter(line, o.gridRows, filterRows);
      line += kClose;
    });
  }
  if (o.filterIndex != 1) out.Add({"  nFilterIndex := ", Decimal(static_cast<std::int32_t>(o.filterIndex)), ";"});
  out.Add({"  Flags := ", Decimal(flags), ";"});
  out.Add({"end;"});
  out.Add({"if ", v.function, "(", RecordArgumentPrefix(target), "ofn) then"});
  out.Add({"  ", o.varName, " := StrPas(", v.result, ")", handleAnswer ? "" : ";"});
  if (handleAnswer) AddCommonDialogFailure(out, "Handle");

  out.Declare({"  ofn: TOpenFileName;"});
  out.Declare({"  szFile: array[0..MAX_PATH] of Char;"});
  out.Declare({"  ", o.varName, ": string;"});
  if (handleAnswer) DeclareCommonDialogFailure(out);
  return out.Finish("CommDlg");
}

GeneratedCode GenerateOpenFile(const OpenFileOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateOpenFile(o, texts, target, false);
}

GeneratedCode GenerateOpenFile(const OpenFileOptions& o, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer) {
  static const FileDialogCodeVariant kOpen{"lpstrFile", "GetOpenFileName", "szFile"};
  return GenerateFileDialog(o, OpenFileFlags(o), kOpen, texts, target, handleAnswer);
}

}  // namespace qm
