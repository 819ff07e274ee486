#include "dialogs/openfile_core.h"

#include <algorithm>

namespace qm {

std::vector<FilterRow> FilterRows(const std::vector<FilterRow>& gridRows) {
  std::vector<FilterRow> rows;
  for (const FilterRow& row : gridRows) {
    if (row.description.empty()) break;
    rows.push_back(row);
  }
  return rows;
}

std::string TestFilterList(const std::vector<FilterRow>& gridRows) {
  std::string list;
  for (const FilterRow& row : FilterRows(gridRows)) {
    list += row.description;
    list += '\0';
    list += row.pattern;
    list += '\0';
  }
  list += '\0';
  return list;
}

std::string CodeFilterText(const std::vector<FilterRow>& gridRows) {
  std::string text;
  for (const FilterRow& row : FilterRows(gridRows)) text += "'" + row.description + "'#0'" + row.pattern + "'#0";
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
                                 const FrameTexts& texts) {
  const std::string filter = CodeFilterText(o.gridRows);

  // The statements at the fragment's indentation; the editor's pane indents each by two more blanks.
  Lines statements = {
      "FillChar(ofn, SizeOf(TOpenFileName), 0);",
      "with ofn do",
      "begin",
      "  lStructSize := SizeOf(TOpenFileName);",
      "  hwndOwner := Handle;",
      "  lpstrFile := szFile;",
      "  nMaxFile := SizeOf(szFile);",
  };
  if (!o.title.empty()) statements.push_back("  lpstrTitle := PChar('" + o.title + "');");
  statements.push_back(o.initialDir.empty() ? "  lpstrInitialDir := nil;"
                                            : "  lpstrInitialDir := PChar('" + o.initialDir + "');");
  if (o.initWithVar) statements.push_back(std::string("  StrPCopy(") + v.copyTarget + ", " + o.varName + ");");
  else if (!o.fileName.empty())
    statements.push_back(std::string("  StrPCopy(") + v.copyTarget + ", '" + o.fileName + "');");
  if (!filter.empty()) statements.push_back("  lpstrFilter := PChar(" + filter + ");");
  if (o.filterIndex != 1) statements.push_back("  nFilterIndex := " + Decimal(static_cast<std::int32_t>(o.filterIndex)) + ";");
  statements.push_back("  Flags := " + Decimal(flags) + ";");
  statements.push_back("end;");
  statements.push_back(std::string("if ") + v.function + "(ofn) then");
  statements.push_back("  " + o.varName + " := StrPas(" + v.result + ");");

  GeneratedCode code;
  Lines body = {
      texts.header2,
      texts.header3,
      "//   ofn: TOpenFileName; // CommDlg must be in uses clause !",
      "//   szFile: array[0..MAX_PATH] of Char;",
      "//   " + o.varName + ": string;",
  };
  body.insert(body.end(), statements.begin(), statements.end());
  code.fragment = Fragment(texts, body);
  code.uses = {"CommDlg"};
  code.decl = {"var", "  ofn: TOpenFileName;", "  szFile: array[0..MAX_PATH] of Char;", "  " + o.varName + ": string;"};
  for (const std::string& line : statements) code.impl.push_back("  " + line);
  return code;
}

GeneratedCode GenerateOpenFile(const OpenFileOptions& o, const FrameTexts& texts) {
  static const FileDialogCodeVariant kOpen{"lpstrFile", "GetOpenFileName", "szFile"};
  return GenerateFileDialog(o, OpenFileFlags(o), kOpen, texts);
}

}  // namespace qm
