// The file-operation kind: its lists, flags and clips, and its generated code as whole fragments and whole panes.
#include <gtest/gtest.h>

#include "dialogs/fileop_core.h"

using namespace qm;

namespace {
const FrameTexts kTexts = FrameTexts::Defaults();

Lines Cells(std::initializer_list<const char*> filled) {
  Lines cells(kFileListRows);
  std::size_t i = 0;
  for (const char* c : filled) cells[i++] = c;
  return cells;
}
}  // namespace

TEST(FileOperation, ListsStopAtTheFirstEmptyRow) {
  EXPECT_EQ(ListEntries(Cells({"a.txt", "b.txt"})), (Lines{"a.txt", "b.txt"}));
  EXPECT_EQ(ListEntries(Cells({"", "b.txt", "c.txt"})), Lines{});
  EXPECT_EQ(ListEntries(Cells({"a.txt", "", "c.txt"})), Lines{"a.txt"});
  EXPECT_EQ(ListEntries(Cells({})), Lines{});
  Lines full(kFileListRows, std::string(250, 'f'));
  EXPECT_EQ(ListEntries(full).size(), 19u);
}

TEST(FileOperation, ShellAndCodeFormsOfALIst) {
  EXPECT_EQ(ShellList({"a.txt", "b.txt"}), std::string("a.txt\0b.txt\0\0", 13));
  EXPECT_EQ(ShellList({"C:\\x"}), std::string("C:\\x\0\0", 6));
  EXPECT_EQ(ShellList({}), std::string("\0", 1));
  EXPECT_EQ(CodeList({"a.txt", "b.txt"}), "'a.txt'#0'b.txt'#0");
  EXPECT_EQ(CodeList({"Bob's file.txt"}), "'Bob's file.txt'#0");
  EXPECT_EQ(CodeList({}), "");
}

TEST(FileOperation, OperationNumbersAndFlags) {
  EXPECT_EQ(FileOpFunc(FileOp::Copy), 2u);
  EXPECT_EQ(FileOpFunc(FileOp::Delete), 3u);
  EXPECT_EQ(FileOpFunc(FileOp::Move), 1u);
  EXPECT_EQ(FileOpFunc(FileOp::Rename), 4u);

  FileOpOptions o;
  EXPECT_EQ(FileOpFlags(o), 576u);
  o.allowUndo = false;
  EXPECT_EQ(FileOpFlags(o), 512u);
  const std::pair<bool FileOpOptions::*, std::uint32_t> boxes[] = {
      {&FileOpOptions::allowUndo, 64},  {&FileOpOptions::noConfirmation, 16}, {&FileOpOptions::renameOnCollision, 8},
      {&FileOpOptions::filesOnly, 128}, {&FileOpOptions::simpleProgress, 256}, {&FileOpOptions::multiDestFiles, 1}};
  for (auto [box, flag] : boxes) {
    FileOpOptions one;
    one.allowUndo = false;
    one.*box = true;
    EXPECT_EQ(FileOpFlags(one), 512u + flag) << flag;
    o.*box = true;
  }
  EXPECT_EQ(FileOpFlags(o), 985u);
}

TEST(FileOperation, ClipFollowsOperationAndUndo) {
  EXPECT_EQ(ClipFor(FileOp::Copy, true), FileOpClip::CopyFiles);
  EXPECT_EQ(ClipFor(FileOp::Move, false), FileOpClip::CopyFiles);
  EXPECT_EQ(ClipFor(FileOp::Rename, true), FileOpClip::CopyFile);
  EXPECT_EQ(ClipFor(FileOp::Delete, true), FileOpClip::RecycleFile);
  EXPECT_EQ(ClipFor(FileOp::Delete, false), FileOpClip::DeleteFile);
  EXPECT_EQ(ClipResourceId(FileOpClip::CopyFiles), 160);
  EXPECT_EQ(ClipResourceId(FileOpClip::CopyFile), 161);
  EXPECT_EQ(ClipResourceId(FileOpClip::RecycleFile), 162);
  EXPECT_EQ(ClipResourceId(FileOpClip::DeleteFile), 164);
  EXPECT_STREQ(ClipName(FileOpClip::RecycleFile), "aviRecycleFile");
}

TEST(FileOperation, DefaultsWithTwoSources) {
  for (const TCodeTarget target : kCodeTargets) {
    SCOPED_TRACE(static_cast<int>(target));
    FileOpOptions o;
    o.from = {"a.txt", "b.txt"};
    o.to = {"C:\\Target"};
    const GeneratedCode c = GenerateFileOperation(o, kTexts, target);
    EXPECT_EQ(c.fragment, (Lines{
                              kTexts.Header1(target),
                              "// You may need to declare the following variable(s)",
                              "//var",
                              "//   lpFileOp: TSHFileOpStruct; // ShellAPI must be in uses clause !",
                              "FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);",
                              "with lpFileOp do",
                              "begin",
                              "  Wnd := Handle;",
                              "  wFunc := 2;",
                              "  fFlags := 576;",
                              "  hNameMappings := nil;",
                              "  lpszProgressTitle := nil;",
                              "  pFrom := PChar('a.txt'#0'b.txt'#0);",
                              "  pTo := PChar('C:\\Target'#0);",
                              "end;",
                              "SHFileOperation(lpFileOp);",
                              "if lpFileOp.fAnyOperationsAborted then",
                              "begin",
                              "  ",
                              "end;",
                              "// End of Quillmark generated code",
                          }));
    EXPECT_EQ(c.uses, Lines{"ShellAPI, ShlObj"});
    EXPECT_EQ(c.decl, (Lines{"var", "  lpFileOp: TSHFileOpStruct;"}));
    EXPECT_EQ(c.impl, (Lines{
                          "  FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);",
                          "  with lpFileOp do",
                          "  begin",
                          "    Wnd := Handle;",
                          "    wFunc := 2;",
                          "    fFlags := 576;",
                          "    hNameMappings := nil;",
                          "    lpszProgressTitle := nil;",
                          "    pFrom := PChar('a.txt'#0'b.txt'#0);",
                          "    pTo := PChar('C:\\Target'#0);",
                          "  end;",
                          "  SHFileOperation(lpFileOp);",
                          "  if lpFileOp.fAnyOperationsAborted then",
                          "  begin",
                          "  ",
                          "  end;",
                      }));
  }
}

TEST(FileOperation, EmptyListsAreNil) {
  FileOpOptions o;
  o.operation = FileOp::Delete;
  o.allowUndo = false;
  const GeneratedCode c = GenerateFileOperation(o, kTexts, ctDelphiClassic);
  EXPECT_EQ(c.fragment, (Lines{
                            "// This code is generated by Quillmark for Delphi",
                            "// You may need to declare the following variable(s)",
                            "//var",
                            "//   lpFileOp: TSHFileOpStruct; // ShellAPI must be in uses clause !",
                            "FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);",
                            "with lpFileOp do",
                            "begin",
                            "  Wnd := Handle;",
                            "  wFunc := 3;",
                            "  fFlags := 512;",
                            "  hNameMappings := nil;",
                            "  lpszProgressTitle := nil;",
                            "  pFrom := nil;",
                            "  pTo := nil;",
                            "end;",
                            "SHFileOperation(lpFileOp);",
                            "if lpFileOp.fAnyOperationsAborted then",
                            "begin",
                            "  ",
                            "end;",
                            "// End of Quillmark generated code",
                        }));
  EXPECT_EQ(c.impl[8], "    pFrom := nil;");
  EXPECT_EQ(c.impl[9], "    pTo := nil;");
}

TEST(FileOperation, AllOptionsWithSimpleProgressTitle) {
  FileOpOptions o;
  o.operation = FileOp::Move;
  o.noConfirmation = o.renameOnCollision = o.filesOnly = o.simpleProgress = o.multiDestFiles = true;
  o.progressTitle = "Bob's move";
  o.from = {"x"};
  o.to = {"y", "z"};
  const GeneratedCode c = GenerateFileOperation(o, kTexts, ctDelphiClassic);
  EXPECT_EQ(c.impl, (Lines{
                        "  FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);",
                        "  with lpFileOp do",
                        "  begin",
                        "    Wnd := Handle;",
                        "    wFunc := 1;",
                        "    fFlags := 985;",
                        "    hNameMappings := nil;",
                        "    lpszProgressTitle := PChar('Bob's move');",
                        "    pFrom := PChar('x'#0);",
                        "    pTo := PChar('y'#0'z'#0);",
                        "  end;",
                        "  SHFileOperation(lpFileOp);",
                        "  if lpFileOp.fAnyOperationsAborted then",
                        "  begin",
                        "  ",
                        "  end;",
                    }));
  EXPECT_EQ(c.fragment[9], "  fFlags := 985;");
  EXPECT_EQ(c.fragment[11], "  lpszProgressTitle := PChar('Bob's move');");
}

TEST(FileOperation, ProgressTitleOnlyWithSimpleProgress) {
  FileOpOptions o;
  o.operation = FileOp::Rename;
  o.progressTitle = "typed but unused";
  o.from = {"old.txt"};
  o.to = {"new.txt"};
  GeneratedCode c = GenerateFileOperation(o, kTexts, ctDelphiClassic);
  EXPECT_EQ(c.fragment[8], "  wFunc := 4;");
  EXPECT_EQ(c.fragment[11], "  lpszProgressTitle := nil;");
  EXPECT_EQ(c.impl[7], "    lpszProgressTitle := nil;");

  o.simpleProgress = true;
  o.progressTitle = "";
  c = GenerateFileOperation(o, kTexts, ctDelphiClassic);
  EXPECT_EQ(c.fragment[9], "  fFlags := 832;");
  EXPECT_EQ(c.fragment[11], "  lpszProgressTitle := PChar('');");
  EXPECT_EQ(c.impl[7], "    lpszProgressTitle := PChar('');");
}

TEST(FileOperation, LongNonAsciiEntriesGoInUnchanged) {
  FileOpOptions o;
  o.allowUndo = false;
  const std::string entry = "C:\\d\xe9j\xe0 vu\\" + std::string(240, 'n');
  o.from = Lines(19, entry);
  o.to = {"D:\\l'autre"};
  const GeneratedCode c = GenerateFileOperation(o, kTexts, ctDelphiClassic);
  std::string expected = "  pFrom := PChar(";
  for (int i = 0; i < 19; ++i) expected += "'" + entry + "'#0";
  expected += ");";
  EXPECT_EQ(c.fragment[12], expected);
  EXPECT_EQ(c.fragment[13], "  pTo := PChar('D:\\l'autre'#0);");
  EXPECT_EQ(c.fragment.size(), 21u);
}
