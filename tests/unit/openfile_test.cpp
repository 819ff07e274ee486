// The Open file kind: the filter rows, the flags, the test record and every line of the generated code.
#include <gtest/gtest.h>

#include "dialogs/openfile_core.h"

using namespace qm;
using namespace std::string_literals;

namespace {

const FrameTexts kTexts = FrameTexts::Defaults();

// The grid as the panel reads it: 19 rows below the heading, the given ones filled, the rest empty.
std::vector<FilterRow> Grid(std::vector<FilterRow> filled) {
  filled.resize(19);
  return filled;
}

OpenFileOptions Defaults() {
  OpenFileOptions o;
  o.gridRows = Grid({});
  return o;
}

}  // namespace

TEST(OpenFileFilters, RowsCountDownToTheFirstEmptyDescription) {
  const auto grid = Grid({{"Text files", "*.txt"}, {"", "*.doc"}, {"All files", "*.*"}});
  EXPECT_EQ(CodeFilterText(grid), "'Text files'#0'*.txt'#0");
  EXPECT_EQ(TestFilterList(grid), "Text files\0*.txt\0\0"s);
  EXPECT_EQ(FilterRows(grid).size(), 1u);
}

TEST(OpenFileFilters, TwoRowsAndTheEmptyList) {
  const auto grid = Grid({{"Text files", "*.txt"}, {"All files", "*.*"}});
  EXPECT_EQ(CodeFilterText(grid), "'Text files'#0'*.txt'#0'All files'#0'*.*'#0");
  EXPECT_EQ(TestFilterList(grid), "Text files\0*.txt\0All files\0*.*\0\0"s);
  EXPECT_EQ(CodeFilterText(Grid({})), "");
  EXPECT_EQ(TestFilterList(Grid({})), "\0"s);
  EXPECT_EQ(CodeFilterText(Grid({{"", "*.txt"}})), "");  // a pattern without description is no filter
}

TEST(OpenFileFilters, EmptyPatternAndApostrophesGoInVerbatim) {
  const auto grid = Grid({{"Bob's files", ""}, {"It's", "a'b"}});
  EXPECT_EQ(CodeFilterText(grid), "'Bob's files'#0''#0'It's'#0'a'b'#0");
  EXPECT_EQ(TestFilterList(grid), "Bob's files\0\0It's\0a'b\0\0"s);
}

TEST(OpenFileFilters, AllNineteenRowsOfLongCells) {
  std::vector<FilterRow> rows;
  std::string expectedCode;
  std::string expectedList;
  for (int i = 0; i < 19; ++i) {
    const std::string d(200, static_cast<char>('A' + i));
    const std::string p(200, static_cast<char>('a' + i));
    rows.push_back({d, p});
    expectedCode += "'" + d + "'#0'" + p + "'#0";
    expectedList += d + '\0' + p + '\0';
  }
  expectedList += '\0';
  EXPECT_EQ(CodeFilterText(rows), expectedCode);
  EXPECT_EQ(TestFilterList(rows), expectedList);
  EXPECT_EQ(expectedList.size(), 19u * 402u + 1u);
}

TEST(OpenFileFlags, EachBoxAndTheirSums) {
  OpenFileOptions o = Defaults();
  EXPECT_EQ(OpenFileFlags(o), 4u);
  o.hideReadOnly = false;
  EXPECT_EQ(OpenFileFlags(o), 0u);
  o.allowMultiSelect = true;
  EXPECT_EQ(OpenFileFlags(o), 524800u);
  o.hideReadOnly = o.fileMustExist = o.pathMustExist = o.createPrompt = true;
  EXPECT_EQ(OpenFileFlags(o), 539140u);
  OpenFileOptions one = Defaults();
  one.hideReadOnly = false;
  one.fileMustExist = true;
  EXPECT_EQ(OpenFileFlags(one), 4096u);
  one.fileMustExist = false;
  one.pathMustExist = true;
  EXPECT_EQ(OpenFileFlags(one), 2048u);
  one.pathMustExist = false;
  one.createPrompt = true;
  EXPECT_EQ(OpenFileFlags(one), 8192u);
}

TEST(OpenFileRecord, StartStateLeavesTitleDirectoryAndIndexUnset) {
  const FileDialogRecord r = PrepareFileDialog(Defaults(), 4);
  EXPECT_FALSE(r.hasTitle);
  EXPECT_FALSE(r.hasInitialDir);
  EXPECT_EQ(r.filterList, "\0"s);
  EXPECT_EQ(r.filterIndex, 0u);
  EXPECT_EQ(r.flags, 4u);
  EXPECT_EQ(r.file.size(), 261u);
  for (char c : r.file) EXPECT_EQ(c, '\0');
}

TEST(OpenFileRecord, TextsIndexAndFileNameAreCopied) {
  OpenFileOptions o = Defaults();
  o.title = "Bob's \xE9t\xE9";
  o.initialDir = "C:\\No such folder";
  o.fileName = "notes.txt";
  o.filterIndex = 255;
  o.initWithVar = true;  // the test starts with the file name all the same
  const FileDialogRecord r = PrepareFileDialog(o, 0);
  EXPECT_TRUE(r.hasTitle);
  EXPECT_EQ(r.title, "Bob's \xE9t\xE9");
  EXPECT_TRUE(r.hasInitialDir);
  EXPECT_EQ(r.initialDir, "C:\\No such folder");
  EXPECT_EQ(std::string(r.file.data()), "notes.txt");
  EXPECT_EQ(r.filterIndex, 255u);
  o.filterIndex = 2;
  EXPECT_EQ(PrepareFileDialog(o, 0).filterIndex, 2u);
}

TEST(OpenFileRecord, FileNamesLongerThanTheBufferAreCut) {
  OpenFileOptions o = Defaults();
  for (std::size_t length : {259u, 260u, 261u, 262u, 1000u}) {
    o.fileName = std::string(length, 'x');
    const FileDialogRecord r = PrepareFileDialog(o, 4);
    const std::size_t kept = length < 260 ? length : 260;
    EXPECT_EQ(std::string(r.file.data()), std::string(kept, 'x')) << length;
    EXPECT_EQ(r.file[260], '\0') << length;
  }
}

TEST(OpenFileRecord, FilterIndexTextIsHeldInItsRange) {
  EXPECT_EQ(FilterIndexFromText("1"), 1);
  EXPECT_EQ(FilterIndexFromText("2"), 2);
  EXPECT_EQ(FilterIndexFromText("255"), 255);
  EXPECT_EQ(FilterIndexFromText("256"), 255);
  EXPECT_EQ(FilterIndexFromText("99999999999"), 1);
  EXPECT_EQ(FilterIndexFromText("0"), 1);
  EXPECT_EQ(FilterIndexFromText("-3"), 1);
  EXPECT_EQ(FilterIndexFromText(""), 1);
  EXPECT_EQ(FilterIndexFromText("abc"), 1);
}

TEST(OpenFileCode, StartStateFragmentAndPanes) {
  for (const TCodeTarget target : kCodeTargets) {
    SCOPED_TRACE(static_cast<int>(target));
    const GeneratedCode c = GenerateOpenFile(Defaults(), kTexts, target);
    EXPECT_EQ(c.fragment, (Lines{
                              kTexts.Header1(target),
                              "// You may need to declare the following variable(s)",
                              "//var",
                              "//   ofn: TOpenFileName; // CommDlg must be in uses clause !",
                              "//   szFile: array[0..MAX_PATH] of Char;",
                              "//   Result: string;",
                              "FillChar(ofn, SizeOf(TOpenFileName), 0);",
                              "with ofn do",
                              "begin",
                              "  lStructSize := SizeOf(TOpenFileName);",
                              "  hwndOwner := Handle;",
                              "  lpstrFile := szFile;",
                              target == ctDelphiUnicode ? "  nMaxFile := Length(szFile);"
                                                        : "  nMaxFile := SizeOf(szFile);",
                              "  lpstrInitialDir := nil;",
                              "  szFile[0] := #0;",
                              "  Flags := 4;",
                              "end;",
                              target == ctFreePascal ? "if GetOpenFileName(@ofn) then" : "if GetOpenFileName(ofn) then",
                              "  Result := StrPas(szFile);",
                              "// End of Quillmark generated code",
                          }));
    EXPECT_EQ(c.uses, Lines{"CommDlg"});
    EXPECT_EQ(c.decl, (Lines{"var", "  ofn: TOpenFileName;", "  szFile: array[0..MAX_PATH] of Char;",
                             "  Result: string;"}));
    EXPECT_EQ(c.impl, (Lines{
                          "  FillChar(ofn, SizeOf(TOpenFileName), 0);",
                          "  with ofn do",
                          "  begin",
                          "    lStructSize := SizeOf(TOpenFileName);",
                          "    hwndOwner := Handle;",
                          "    lpstrFile := szFile;",
                          target == ctDelphiUnicode ? "    nMaxFile := Length(szFile);"
                                                    : "    nMaxFile := SizeOf(szFile);",
                          "    lpstrInitialDir := nil;",
                          "    szFile[0] := #0;",
                          "    Flags := 4;",
                          "  end;",
                          target == ctFreePascal ? "  if GetOpenFileName(@ofn) then" : "  if GetOpenFileName(ofn) then",
                          "    Result := StrPas(szFile);",
                      }));
  }
}

TEST(OpenFileCode, EveryConditionalLinePresent) {
  OpenFileOptions o = Defaults();
  o.title = "Open a text";
  o.initialDir = "C:\\Texts";
  o.fileName = "readme.txt";
  o.gridRows = Grid({{"Text files", "*.txt"}, {"All files", "*.*"}});
  o.filterIndex = 2;
  o.varName = "FileName";
  o.allowMultiSelect = true;
  o.fileMustExist = true;
  o.pathMustExist = true;
  o.createPrompt = true;
  const GeneratedCode c = GenerateOpenFile(o, FrameTexts::Defaults(), ctDelphiClassic);
  EXPECT_EQ(c.fragment, (Lines{
                            "// This code is generated by Quillmark for Delphi",
                            "// You may need to declare the following variable(s)",
                            "//var",
                            "//   ofn: TOpenFileName; // CommDlg must be in uses clause !",
                            "//   szFile: array[0..MAX_PATH] of Char;",
                            "//   FileName: string;",
                            "FillChar(ofn, SizeOf(TOpenFileName), 0);",
                            "with ofn do",
                            "begin",
                            "  lStructSize := SizeOf(TOpenFileName);",
                            "  hwndOwner := Handle;",
                            "  lpstrFile := szFile;",
                            "  nMaxFile := SizeOf(szFile);",
                            "  lpstrTitle := PChar('Open a text');",
                            "  lpstrInitialDir := PChar('C:\\Texts');",
                            "  StrPCopy(lpstrFile, 'readme.txt');",
                            "  lpstrFilter := PChar('Text files'#0'*.txt'#0'All files'#0'*.*'#0);",
                            "  nFilterIndex := 2;",
                            "  Flags := 539140;",
                            "end;",
                            "if GetOpenFileName(ofn) then",
                            "  FileName := StrPas(szFile);",
                            "// End of Quillmark generated code",
                        }));
  EXPECT_EQ(c.uses, Lines{"CommDlg"});
  EXPECT_EQ(c.decl, (Lines{"var", "  ofn: TOpenFileName;", "  szFile: array[0..MAX_PATH] of Char;",
                           "  FileName: string;"}));
  EXPECT_EQ(c.impl, (Lines{
                        "  FillChar(ofn, SizeOf(TOpenFileName), 0);",
                        "  with ofn do",
                        "  begin",
                        "    lStructSize := SizeOf(TOpenFileName);",
                        "    hwndOwner := Handle;",
                        "    lpstrFile := szFile;",
                        "    nMaxFile := SizeOf(szFile);",
                        "    lpstrTitle := PChar('Open a text');",
                        "    lpstrInitialDir := PChar('C:\\Texts');",
                        "    StrPCopy(lpstrFile, 'readme.txt');",
                        "    lpstrFilter := PChar('Text files'#0'*.txt'#0'All files'#0'*.*'#0);",
                        "    nFilterIndex := 2;",
                        "    Flags := 539140;",
                        "  end;",
                        "  if GetOpenFileName(ofn) then",
                        "    FileName := StrPas(szFile);",
                    }));
}

TEST(OpenFileCode, InitWithVariableNamesItEvenWithAFileName) {
  OpenFileOptions o = Defaults();
  o.fileName = "readme.txt";
  o.initWithVar = true;
  o.hideReadOnly = false;
  const GeneratedCode c = GenerateOpenFile(o, FrameTexts::Defaults(), ctDelphiClassic);
  EXPECT_EQ(c.impl, (Lines{
                        "  FillChar(ofn, SizeOf(TOpenFileName), 0);",
                        "  with ofn do",
                        "  begin",
                        "    lStructSize := SizeOf(TOpenFileName);",
                        "    hwndOwner := Handle;",
                        "    lpstrFile := szFile;",
                        "    nMaxFile := SizeOf(szFile);",
                        "    lpstrInitialDir := nil;",
                        "    StrPCopy(lpstrFile, Result);",
                        "    Flags := 0;",
                        "  end;",
                        "  if GetOpenFileName(ofn) then",
                        "    Result := StrPas(szFile);",
                    }));
}

TEST(OpenFileCode, EmptyVariableNameLeavesGaps) {
  OpenFileOptions o = Defaults();
  o.varName = "";
  o.initWithVar = true;
  const GeneratedCode c = GenerateOpenFile(o, FrameTexts::Defaults(), ctDelphiClassic);
  EXPECT_EQ(c.fragment, (Lines{
                            "// This code is generated by Quillmark for Delphi",
                            "// You may need to declare the following variable(s)",
                            "//var",
                            "//   ofn: TOpenFileName; // CommDlg must be in uses clause !",
                            "//   szFile: array[0..MAX_PATH] of Char;",
                            "//   : string;",
                            "FillChar(ofn, SizeOf(TOpenFileName), 0);",
                            "with ofn do",
                            "begin",
                            "  lStructSize := SizeOf(TOpenFileName);",
                            "  hwndOwner := Handle;",
                            "  lpstrFile := szFile;",
                            "  nMaxFile := SizeOf(szFile);",
                            "  lpstrInitialDir := nil;",
                            "  StrPCopy(lpstrFile, );",
                            "  Flags := 4;",
                            "end;",
                            "if GetOpenFileName(ofn) then",
                            "   := StrPas(szFile);",
                            "// End of Quillmark generated code",
                        }));
  EXPECT_EQ(c.decl, (Lines{"var", "  ofn: TOpenFileName;", "  szFile: array[0..MAX_PATH] of Char;", "  : string;"}));
}

TEST(OpenFileCode, TextsGoInVerbatimAndTheWholeFileNameIsKept) {
  OpenFileOptions o = Defaults();
  o.title = "Bob's file";
  o.initialDir = "C:\\Caf\xE9's";
  o.fileName = std::string(1000, 'n');
  o.gridRows = Grid({{"Bob's", ""}});
  o.varName = "not an identifier";
  o.filterIndex = 255;
  const GeneratedCode c = GenerateOpenFile(o, FrameTexts::Defaults(), ctDelphiClassic);
  EXPECT_EQ(c.impl, (Lines{
                        "  FillChar(ofn, SizeOf(TOpenFileName), 0);",
                        "  with ofn do",
                        "  begin",
                        "    lStructSize := SizeOf(TOpenFileName);",
                        "    hwndOwner := Handle;",
                        "    lpstrFile := szFile;",
                        "    nMaxFile := SizeOf(szFile);",
                        "    lpstrTitle := PChar('Bob's file');",
                        "    lpstrInitialDir := PChar('C:\\Caf\xE9's');",
                        "    StrPCopy(lpstrFile, '" + std::string(1000, 'n') + "');",
                        "    lpstrFilter := PChar('Bob's'#0''#0);",
                        "    nFilterIndex := 255;",
                        "    Flags := 4;",
                        "  end;",
                        "  if GetOpenFileName(ofn) then",
                        "    not an identifier := StrPas(szFile);",
                    }));
}
