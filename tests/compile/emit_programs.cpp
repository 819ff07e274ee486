// The compile check's program writer. For every target compiler and every dialog kind, in several states of its
// panel, it takes the code that Quillmark generates in both of its forms (the Copy fragment, with its commented
// declarations moved into a var section, and the three parts of the editor) and puts it into a method of a small
// form-like Pascal program. Next to the programs it writes programs.txt (each program and its target), manifest.txt,
// which tells the Windows-side checker (dialog_checker.exe) what each program is to show when it runs and what it
// must leave behind, and excluded.txt, the programs that are known not to compile as generated, with the compiler's
// message they are expected to fail with and the reason.
//
// Usage: emit_programs <output folder> <work folder as a Windows path>
// The work folder is where the file-operation programs' files are made; each program gets a folder of its own there.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "dialogs/browseforfolder_core.h"
#include "dialogs/choosecolor_core.h"
#include "dialogs/choosefont_core.h"
#include "dialogs/fileop_core.h"
#include "dialogs/formatdrive_core.h"
#include "dialogs/frame_core.h"
#include "dialogs/messagebox_core.h"
#include "dialogs/openfile_core.h"
#include "dialogs/pickicon_core.h"
#include "dialogs/print_core.h"
#include "dialogs/rundlg_core.h"
#include "dialogs/savefile_core.h"
#include "dialogs/shellabout_core.h"

using namespace qm;

namespace {

// One line of the manifest: a directive and its fields, written separated by tabs.
using Directive = std::vector<std::string>;

// One state of one kind's panel, and what its program must do when it runs.
struct State {
  std::string name;        // kind and state, e.g. "messagebox_start"
  std::string about;       // a few words for the program's head comment
  GeneratedCode code;
  Lines preamble;          // statements the programmer writes before the generated ones (as the code's comments ask)
  Lines postamble;         // statements after them that report what the code left in its variables
  std::vector<Directive> directives;  // what the checker sets up, sees, does and finds afterwards
  std::string guarded{};   // a buffer of the code that gets a guard after it (GuardPreamble, GuardPostamble)
};

// What the program of a target is called: the classic target's programs keep the plain names.
std::string TargetPrefix(TCodeTarget target) {
  switch (target) {
    case ctDelphiUnicode: return "unicode_";
    case ctFreePascal: return "fpc_";
    case ctDelphiClassic: break;
  }
  return "";
}

// Everything a state needs that depends on the program it goes into.
struct Place {
  std::string root;  // the work folder, as a Windows path
  std::string form;  // "copy" or "edit"
  TCodeTarget target;
  // The program's own folder under the work folder; the program is named after its target, state and form.
  std::string Folder(const std::string& stateName) const {
    return root + "\\" + TargetPrefix(target) + stateName + "_" + form;
  }
};

using StateMaker = std::function<State(const Place&)>;

// The program that stands for a kind's code: the method's variables, its statements and the units it needs.
struct ProgramParts {
  Lines units;
  Lines vars;        // the var section, "var" included, or nothing
  Lines statements;  // the method's body between begin and end
};

std::string Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

Lines SplitUnits(const Lines& usesPane) {
  Lines units;
  for (const std::string& line : usesPane) {
    std::size_t start = 0;
    while (start <= line.size()) {
      std::size_t comma = line.find(',', start);
      if (comma == std::string::npos) comma = line.size();
      std::string unit = Trim(line.substr(start, comma - start));
      if (!unit.empty()) units.push_back(unit);
      start = comma + 1;
    }
  }
  return units;
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// A commented declaration of the fragment: "//", blanks, an identifier, blanks and a colon that does not begin ":=".
// Gives the declaration without the comment marks, or an empty text for any other line.
std::string CommentedDeclaration(const std::string& line) {
  if (line.rfind("//", 0) != 0) return "";
  std::size_t i = 2;
  while (i < line.size() && line[i] == ' ') ++i;
  const std::size_t start = i;
  if (i >= line.size() || !IsIdentStart(line[i])) return "";
  while (i < line.size() && IsIdentChar(line[i])) ++i;
  while (i < line.size() && line[i] == ' ') ++i;
  if (i >= line.size() || line[i] != ':') return "";
  if (i + 1 < line.size() && line[i + 1] == '=') return "";
  return line.substr(start);
}

// The Copy form: the fragment pasted into the method whole, except that its commented declarations become the var
// section (each without its comment marks, as the programmer moves them there).
ProgramParts CopyForm(const GeneratedCode& code) {
  ProgramParts parts;
  parts.units = SplitUnits(code.uses);
  for (const std::string& line : code.fragment) {
    const std::string declaration = CommentedDeclaration(line);
    if (!declaration.empty()) {
      if (parts.vars.empty()) parts.vars.push_back("var");
      parts.vars.push_back("  " + declaration);
    } else {
      parts.statements.push_back(line);
    }
  }
  return parts;
}

// The Edit form: the three parts of the editor as they stand.
ProgramParts EditForm(const GeneratedCode& code) {
  return {SplitUnits(code.uses), code.decl, code.impl};
}

// The var section with a guard before the declaration of `guarded`: the compiler places a variable declared before
// another at the higher address, so the guard lies right after the buffer, beyond the few bytes that align it.
Lines GuardedVars(const Lines& vars, const std::string& guarded) {
  Lines out;
  for (const std::string& line : vars) {
    if (Trim(line).rfind(guarded + ":", 0) == 0) out.push_back("  " + guarded + "Guard: array[0..7] of Byte;");
    out.push_back(line);
  }
  return out;
}

// Free Pascal's SysUtils gives its numbers as AnsiString even to a Unicode program, where Delphi 2009 and later give
// string: the reports take them through these, so that only the generated code could convert a string implicitly.
const char* const kUnicodeReportRoutines = R"(function IntToStr(Value: Int64): string;
begin
  Result := string(SysUtils.IntToStr(Value));
end;

function IntToHex(Value: Int64; Digits: Integer): string;
begin
  Result := string(SysUtils.IntToHex(Value, Digits));
end;

)";

// What the guarded programs fill the bytes after the buffer with, and find there again unless the code overran it.
const char* const kGuardRoutines = R"({ Fills the bytes from the end of a buffer to the end of the guard after it. }
procedure FillGuard(First, Last: PByte);
begin
  if (PtrUInt(Last) <= PtrUInt(First)) or (PtrUInt(Last) - PtrUInt(First) > 64) then
    Report('the guard does not follow the buffer')
  else
    FillChar(First^, PtrUInt(Last) - PtrUInt(First), $A5);
end;

function GuardIntact(First, Last: PByte): Boolean;
begin
  Result := True;
  while PtrUInt(First) < PtrUInt(Last) do
  begin
    if First^ <> $A5 then
      Result := False;
    Inc(First);
  end;
end;

{ Reports each item of a list of texts that ends with an empty one, and where that empty one lies. }
procedure ReportList(const List: PChar);
var
  Item: PChar;
begin
  Item := List;
  while Item^ <> #0 do
  begin
    Report('item=' + string(Item));
    Inc(Item, StrLen(Item) + 1);
  end;
  Report('end=' + IntToStr(Item - List));
end;

)";

Lines GuardPreamble(const std::string& buffer) {
  return {"FillGuard(PByte(@" + buffer + ") + SizeOf(" + buffer + "), PByte(@" + buffer + "Guard) + SizeOf(" + buffer +
          "Guard));"};
}

Lines GuardPostamble(const std::string& buffer) {
  return {"if GuardIntact(PByte(@" + buffer + ") + SizeOf(" + buffer + "), PByte(@" + buffer + "Guard) + SizeOf(" +
              buffer + "Guard)) then",
          "  Report('guard intact')", "else", "  Report('guard overwritten');"};
}

// The units a program names: what a form unit names in Delphi or Lazarus (FormStandIn stands for the form units),
// then the code's own; for Delphi, whose declarations of some Windows functions differ from Free Pascal's, last the
// unit that declares them as Delphi does.
std::string ProgramUnits(const ProgramParts& parts, TCodeTarget target) {
  std::string units = "Windows, Messages, SysUtils, Classes, FormStandIn";
  for (const std::string& unit : parts.units) units += ", " + unit;
  if (target != ctFreePascal) units += ", DelphiCompat";
  return units;
}

std::string ProgramText(const std::string& name, const State& state, const std::string& form,
                        const ProgramParts& parts, TCodeTarget target) {
  std::string t;
  t += "{ The compile check's program " + name + ": the code that Quillmark generates for " + state.about + ",\n";
  t += "  in its " + form + " form, inside a method of a form. }\n";
  t += "program " + name + ";\n\n";
  // The texts of Unicode programs may hold any character; the source is UTF-8, as Delphi 2009 and later read it.
  if (target == ctDelphiUnicode) t += "{$CODEPAGE UTF8}\n\n";
  t += "uses\n  " + ProgramUnits(parts, target) + ";\n\n";
  t += "type\n  TForm1 = class(TForm)\n  public\n    procedure ShowDialog;\n  end;\n\n";
  t += "{ Appends one line to the report file beside the program, which the checker reads when the program ends. }\n";
  t += "procedure Report(const Line: string);\nvar\n  ReportFile: TextFile;\n  FileName: string;\nbegin\n";
  t += "  FileName := ChangeFileExt(ParamStr(0), '.out');\n  AssignFile(ReportFile, FileName);\n";
  t += "  if FileExists(FileName) then\n    Append(ReportFile)\n  else\n    Rewrite(ReportFile);\n";
  t += "  WriteLn(ReportFile, Line);\n  CloseFile(ReportFile);\nend;\n\n";
  if (target == ctDelphiUnicode) t += kUnicodeReportRoutines;
  if (!state.guarded.empty()) t += kGuardRoutines;
  t += "procedure TForm1.ShowDialog;\n";
  for (const std::string& line : state.guarded.empty() ? parts.vars : GuardedVars(parts.vars, state.guarded))
    t += line + "\n";
  t += "begin\n";
  for (const std::string& line : state.preamble) t += "  " + line + "\n";
  t += "{ ---- the generated code ---- }\n";
  for (const std::string& line : parts.statements) t += line + "\n";
  t += "{ ---- end of the generated code ---- }\n";
  for (const std::string& line : state.postamble) t += "  " + line + "\n";
  t += "end;\n\n";
  t += "var\n  Form1: TForm1;\n\nbegin\n  Form1 := TForm1.Create;\n  try\n    Form1.ShowDialog;\n  finally\n";
  t += "    Form1.Free;\n  end;\n  Report('done');\nend.\n";
  return t;
}

// Manifest fields may not hold tabs or line breaks: line breaks are written as \r and \n, a backslash as \\.
std::string Escape(const std::string& s) {
  std::string e;
  for (char c : s) {
    if (c == '\\') e += "\\\\";
    else if (c == '\r') e += "\\r";
    else if (c == '\n') e += "\\n";
    else if (c == '\t') e += "\\t";
    else e += c;
  }
  return e;
}

// The text a multi-line literal stands for: the lines joined by a line feed and a carriage return (#10#13).
std::string JoinedText(const Lines& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\n\r";
    text += lines[i];
  }
  return text;
}

std::string JoinCrLfText(const Lines& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

const FrameTexts& Texts() {
  static const FrameTexts texts = FrameTexts::Defaults();
  return texts;
}

// A local variable holds what the stack held there, and a fresh stack is often zero, which would hide code that
// leaves part of a buffer or record as it found it. So the programs fill the generated code's file-name buffer and
// logical font with something else first, and the dialog shows any part that the code does not set.
Lines StaleFileBuffer() { return {"FillChar(szFile, SizeOf(szFile), 'x');", "szFile[MAX_PATH] := #0;"}; }

// ---- The states of each kind ---------------------------------------------------------------------------------------
// Texts hold no apostrophes and variable names are identifiers, so that the code is Pascal as generated.

std::vector<StateMaker> MessageBoxStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"messagebox_start", "the message box in its start state", {}, {}, {}, {}};
    MessageBoxOptions o;
    s.code = GenerateMessageBox(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(Result));"};
    s.directives = {{"window", "Information"}, {"text", "65535", ""}, {"icon", "1"}, {"buttons", "OK"},
                    {"default", "OK"}, {"press", "1"}, {"output", "result=1"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"messagebox_all", "the message box with every option set", {}, {}, {}, {}};
    MessageBoxOptions o;
    o.title = "Confirm";
    o.textLines = {"Save the changes to the report?", "They are lost otherwise."};
    o.icon = MbIcon::Confirmation;
    o.button = MbButton::YESNOCANCEL_3;
    o.modality = MbModality::System;
    o.varName = "nAnswer";
    s.code = GenerateMessageBox(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(nAnswer));"};
    s.directives = {{"window", "Confirm"}, {"text", "65535", JoinedText(o.textLines)}, {"icon", "1"},
                    {"buttons", "&Yes", "&No", "Cancel"}, {"default", "Cancel"}, {"press", "7"},
                    {"output", "result=7"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"messagebox_empty", "the message box with empty texts and no icon", {}, {}, {}, {}};
    MessageBoxOptions o;
    o.title = "";
    o.icon = MbIcon::None;
    o.button = MbButton::OKCANCEL_2;
    s.code = GenerateMessageBox(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(Result));"};
    s.directives = {{"window", ""}, {"text", "65535", ""}, {"icon", "0"}, {"buttons", "OK", "Cancel"},
                    {"default", "Cancel"}, {"press", "2"}, {"output", "result=2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"messagebox_procedure", "the message box called as a procedure", {}, {}, {}, {}};
    MessageBoxOptions o;
    o.title = "Warning";
    o.textLines = {"The printer is out of paper."};
    o.icon = MbIcon::Warning;
    o.button = MbButton::ABORTRETRYIGNORE_2;
    o.modality = MbModality::Task;
    o.asProcedure = true;
    s.code = GenerateMessageBox(o, Texts(), p.target);
    s.directives = {{"window", "Warning"}, {"text", "65535", "The printer is out of paper."}, {"icon", "1"},
                    {"buttons", "&Abort", "&Retry", "&Ignore"}, {"default", "&Retry"}, {"press", "3"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> BrowseForFolderStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"browseforfolder_start", "the folder picker in its start state", {}, {}, {}, {}};
    BrowseForFolderOptions o;
    s.code = GenerateBrowseForFolder(o, Texts(), p.target);
    s.postamble = {"Report('folder=' + sResult);"};
    s.directives = {{"window", "Browse for Folder"}, {"text", "14146", "Select folder"}, {"press", "2"},
                    {"output", "folder="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_all", "the folder picker with a two-line title, a root folder and other names",
            {}, {}, {}, {}};
    BrowseForFolderOptions o;
    o.rootIndex = 2;  // My Computer
    o.titleLines = {"Choose the folder", "for the backups"};
    o.pidlVar = "pidlFolder";
    o.stringVar = "sFolder";
    s.code = GenerateBrowseForFolder(o, Texts(), p.target);
    s.postamble = {"Report('folder=' + sFolder);"};
    s.directives = {{"window", "Browse for Folder"}, {"text", "14146", JoinedText(o.titleLines)}, {"press", "2"},
                    {"output", "folder="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_empty", "the folder picker with an empty title, for printers", {}, {}, {}, {}};
    BrowseForFolderOptions o;
    o.rootIndex = 8;  // Recycle Bin
    o.titleLines = {};
    o.restriction = BffRestriction::Printers;
    s.code = GenerateBrowseForFolder(o, Texts(), p.target);
    s.postamble = {"Report('folder=' + sResult);"};
    s.directives = {{"window", "Browse for Folder"}, {"text", "14146", ""}, {"press", "2"}, {"output", "folder="}};
    return s;
  });
  return states;
}

std::vector<StateMaker> RunDlgStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"rundlg_start", "the Run dialog in its start state", {}, {}, {}, {}};
    RunDlgOptions o;
    s.code = GenerateRunDlg(o, Texts(), p.target);
    s.directives = {{"window", "Run"}, {"text", "12289", kRunDefaultDescription}, {"visible", "12288", "1"},
                    {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"rundlg_all", "the Run dialog with every text, the application's icon and every flag", {}, {}, {}, {}};
    RunDlgOptions o;
    o.title = "Open a program";
    o.descriptionLines = {"Type the name of a program.", "It starts in the chosen folder."};
    o.description = JoinCrLfText(o.descriptionLines);
    o.applicationIcon = true;
    o.directory = "C:\\windows";
    o.noBrowse = o.noDefault = o.calcDirectory = o.noLabel = o.noSeparateMemory = true;
    s.code = GenerateRunDlg(o, Texts(), p.target);
    s.directives = {{"window", "Open a program"}, {"text", "12289", JoinedText(o.descriptionLines)},
                    {"visible", "12288", "0"}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"rundlg_empty", "the Run dialog with empty texts", {}, {}, {}, {}};
    RunDlgOptions o;
    o.title = "";
    o.description = "";
    o.descriptionLines = {};
    s.code = GenerateRunDlg(o, Texts(), p.target);
    // Without texts the dialog shows its own title and description.
    s.directives = {{"window", "Run"}, {"press", "2"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> FormatDriveStates() {
  std::vector<StateMaker> states;
  // The shell here cannot format: the call comes back at once with SHFMT_NOFORMAT, and no dialog appears.
  states.push_back([](const Place& p) {
    State s{"formatdrive_start", "the format dialog in its start state", {}, {}, {}, {}};
    FormatDriveOptions o;
    s.code = GenerateFormatDrive(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(Result));"};
    s.directives = {{"no-window"}, {"output", "result=4294967293"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"formatdrive_all", "the format dialog for drive Z, 720 Kb, full", {}, {}, {}, {}};
    FormatDriveOptions o;
    o.drive = 25;
    o.capacityId = FormatCapacityId(2);
    o.options = 1;
    o.varName = "nFormatResult";
    s.code = GenerateFormatDrive(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(nFormatResult));"};
    s.directives = {{"no-window"}, {"output", "result=4294967293"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"formatdrive_procedure", "the format dialog called as a procedure", {}, {}, {}, {}};
    FormatDriveOptions o;
    o.drive = 2;
    o.capacityId = FormatCapacityId(1);
    o.asProcedure = true;
    s.code = GenerateFormatDrive(o, Texts(), p.target);
    s.directives = {{"no-window"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> ShellAboutStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"shellabout_start", "the shell About box with empty texts", {}, {}, {}, {}};
    ShellAboutOptions o;
    s.code = GenerateShellAbout(o, Texts(), p.target);
    s.directives = {{"window", "About "}, {"text", "100", ""}, {"text", "101", ""}, {"press", "1"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"shellabout_texts", "the shell About box with a product and two lines of description", {}, {}, {}, {}};
    ShellAboutOptions o;
    o.product = "Inventory Manager";
    o.descriptionLines = {"Version 2.1", "Built for the warehouse team"};
    s.code = GenerateShellAbout(o, Texts(), p.target);
    s.directives = {{"window", "About Inventory Manager"}, {"text", "100", "Inventory Manager"},
                    {"text", "101", JoinedText(o.descriptionLines)}, {"press", "1"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> PickIconStates() {
  std::vector<StateMaker> states;
  // The shell here has no icon picker of its own: the call comes back at once, with the index unchanged.
  states.push_back([](const Place& p) {
    State s{"pickicon_start", "the icon picker in its start state", {}, {}, {}, {}};
    PickIconOptions o;
    s.code = GeneratePickIcon(o, Texts(), p.target);
    s.postamble = {"Report('index=' + IntToStr(nIconIndex));"};
    s.directives = {{"no-window"}, {"output", "index=0"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"pickicon_all", "the icon picker with a file, an index and other names", {}, {}, {}, {}};
    PickIconOptions o;
    o.fileToOpen = "C:\\windows\\system32\\shell32.dll";
    o.iconIndex = 3;
    o.fileNameVar = "pIconFile";
    o.iconIndexVar = "nIcon";
    s.code = GeneratePickIcon(o, Texts(), p.target);
    s.postamble = {"Report('index=' + IntToStr(nIcon));"};
    s.directives = {{"no-window"}, {"output", "index=3"}};
    return s;
  });
  return states;
}

// The report of a file operation: whether the shell says that it stopped early.
Lines FileOpReport() {
  return {"if lpFileOp.fAnyOperationsAborted then", "  Report('aborted')", "else", "  Report('completed');"};
}

std::vector<StateMaker> FileOperationStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"fileop_start", "the file operation in its start state: copy two files into a new folder", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.from = {dir + "\\src\\a.txt", dir + "\\src\\b.txt"};
    o.to = {dir + "\\copies"};
    s.code = GenerateFileOperation(o, Texts(), p.target);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\src\\a.txt", "alpha"}, {"make-file", dir + "\\src\\b.txt", "beta"},
                    {"no-window"}, {"output", "completed"},
                    {"file", dir + "\\copies\\a.txt", "alpha"}, {"file", dir + "\\copies\\b.txt", "beta"},
                    {"file", dir + "\\src\\a.txt", "alpha"}, {"file", dir + "\\src\\b.txt", "beta"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_all", "the file operation with every option: copy to several destinations", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.operation = FileOp::Copy;
    o.allowUndo = o.noConfirmation = o.renameOnCollision = o.filesOnly = o.simpleProgress = o.multiDestFiles = true;
    o.progressTitle = "Copying the reports";
    o.from = {dir + "\\src\\a.txt", dir + "\\src\\b.txt"};
    o.to = {dir + "\\out\\first.txt", dir + "\\out\\second.txt"};
    s.code = GenerateFileOperation(o, Texts(), p.target);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\src\\a.txt", "alpha"}, {"make-file", dir + "\\src\\b.txt", "beta"},
                    {"no-window"}, {"output", "completed"},
                    {"file", dir + "\\out\\first.txt", "alpha"}, {"file", dir + "\\out\\second.txt", "beta"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_delete", "the file operation deleting two files without confirmation", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.operation = FileOp::Delete;
    o.allowUndo = false;
    o.noConfirmation = true;
    o.from = {dir + "\\old1.txt", dir + "\\old2.txt"};
    o.to = {dir + "\\unused"};
    s.code = GenerateFileOperation(o, Texts(), p.target);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\old1.txt", "one"}, {"make-file", dir + "\\old2.txt", "two"},
                    {"make-file", dir + "\\kept.txt", "kept"}, {"no-window"}, {"output", "completed"},
                    {"no-file", dir + "\\old1.txt"}, {"no-file", dir + "\\old2.txt"},
                    {"file", dir + "\\kept.txt", "kept"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_move", "the file operation moving a file into a folder", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.operation = FileOp::Move;
    o.noConfirmation = true;
    o.from = {dir + "\\report.txt"};
    o.to = {dir + "\\archive"};
    s.code = GenerateFileOperation(o, Texts(), p.target);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\report.txt", "monthly"}, {"make-folder", dir + "\\archive"},
                    {"no-window"}, {"output", "completed"},
                    {"no-file", dir + "\\report.txt"}, {"file", dir + "\\archive\\report.txt", "monthly"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_rename", "the file operation renaming a file", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.operation = FileOp::Rename;
    o.from = {dir + "\\draft.txt"};
    o.to = {dir + "\\final.txt"};
    s.code = GenerateFileOperation(o, Texts(), p.target);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\draft.txt", "text"}, {"no-window"}, {"output", "completed"},
                    {"no-file", dir + "\\draft.txt"}, {"file", dir + "\\final.txt", "text"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_empty", "the file operation with empty lists and an empty progress title", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.simpleProgress = true;
    o.progressTitle = "";
    s.code = GenerateFileOperation(o, Texts(), p.target);
    // Nothing to do: the shell refuses the empty lists and touches no file.
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\untouched.txt", "same"}, {"no-window"}, {"output", "completed"},
                    {"file", dir + "\\untouched.txt", "same"}};
    return s;
  });
  return states;
}

std::vector<FilterRow> TwoFilters() { return {{"Text files", "*.txt"}, {"Settings files", "*.ini"}}; }

std::vector<StateMaker> OpenFileStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"openfile_start", "the Open dialog in its start state", {}, {}, {}, {}};
    OpenFileOptions o;
    s.code = GenerateOpenFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + Result);"};
    s.directives = {{"window", "Open"}, {"text", "1148", ""}, {"press", "2"}, {"output", "result="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"openfile_all", "the Open dialog with every text, two filters, an index and every option", {}, {}, {}, {}};
    OpenFileOptions o;
    o.title = "Open a report";
    o.initialDir = "C:\\windows";
    o.fileName = "win.ini";
    o.gridRows = TwoFilters();
    o.filterIndex = 2;
    o.allowMultiSelect = o.hideReadOnly = o.fileMustExist = o.pathMustExist = o.createPrompt = true;
    o.varName = "sReport";
    s.code = GenerateOpenFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + sReport);"};
    s.directives = {{"window", "Open a report"}, {"text", "1148", "win.ini"},
                    {"items", "1136", "Text files", "Settings files"}, {"selected", "1136", "1"}, {"press", "1"},
                    {"output", "result=C:\\windows\\win.ini"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"openfile_empty", "the Open dialog with empty texts, a filter without pattern and no option", {}, {}, {},
            {}};
    OpenFileOptions o;
    o.gridRows = {{"Anything", ""}};
    o.hideReadOnly = false;
    s.code = GenerateOpenFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + Result);"};
    s.directives = {{"window", "Open"}, {"text", "1148", ""}, {"items", "1136", "Anything"}, {"press", "2"},
                    {"output", "result="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"openfile_initvar", "the Open dialog started from its variable", {}, {}, {}, {}};
    OpenFileOptions o;
    o.fileName = "ignored.txt";
    o.initWithVar = true;
    o.varName = "sFileName";
    s.code = GenerateOpenFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.preamble.push_back("sFileName := 'notes.txt';");
    s.postamble = {"Report('result=' + sFileName);"};
    s.directives = {{"window", "Open"}, {"text", "1148", "notes.txt"}, {"press", "2"}, {"output", "result=notes.txt"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> SaveFileStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"savefile_start", "the Save dialog in its start state", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    SaveFileOptions o;
    s.code = GenerateSaveFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + Result);"};
    const std::string chosen = dir + "\\saved.txt";
    s.directives = {{"make-folder", dir}, {"window", "Save As"}, {"text", "1148", ""}, {"set", "1148", chosen},
                    {"press", "1"}, {"output", "result=" + chosen}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"savefile_all", "the Save dialog with every text, two filters, an index and every option", {}, {}, {}, {}};
    SaveFileOptions o;
    o.title = "Save the report";
    o.initialDir = "C:\\windows";
    o.fileName = "report.txt";
    o.gridRows = TwoFilters();
    o.filterIndex = 2;
    o.overwritePrompt = o.hideReadOnly = o.fileMustExist = o.pathMustExist = o.createPrompt = true;
    o.varName = "sTarget";
    s.code = GenerateSaveFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + sTarget);"};
    s.directives = {{"window", "Save the report"}, {"text", "1148", "report.txt"},
                    {"items", "1136", "Text files", "Settings files"}, {"selected", "1136", "1"}, {"press", "2"},
                    {"output", "result="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"savefile_empty", "the Save dialog with empty texts, a filter without pattern and no option", {}, {}, {},
            {}};
    SaveFileOptions o;
    o.gridRows = {{"Anything", ""}};
    o.hideReadOnly = false;
    s.code = GenerateSaveFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.postamble = {"Report('result=' + Result);"};
    s.directives = {{"window", "Save As"}, {"text", "1148", ""}, {"items", "1136", "Anything"}, {"press", "2"},
                    {"output", "result="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"savefile_initvar", "the Save dialog started from its variable", {}, {}, {}, {}};
    SaveFileOptions o;
    o.fileName = "ignored.txt";
    o.initWithVar = true;
    o.varName = "sTarget";
    s.code = GenerateSaveFile(o, Texts(), p.target);
    s.preamble = StaleFileBuffer();
    s.preamble.push_back("sTarget := 'draft.txt';");
    s.postamble = {"Report('result=' + sTarget);"};
    s.directives = {{"window", "Save As"}, {"text", "1148", "draft.txt"}, {"press", "2"}, {"output", "result=draft.txt"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> ChooseColorStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"choosecolor_start", "the Color dialog in its start state", {}, {}, {}, {}};
    ChooseColorOptions o;
    s.code = GenerateChooseColor(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToHex(Result, 6));"};
    s.directives = {{"window", "Color"}, {"press", "1"}, {"output", "result=000000"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"choosecolor_all", "the Color dialog with every option and a colour of its own", {}, {}, {}, {}};
    ChooseColorOptions o;
    o.fullOpen = o.preventFullOpen = o.rgbInit = o.showHelp = true;
    o.color = ColorFromParts(255, 128, 0);
    o.initWithVar = false;
    o.varName = "clrResult";
    s.code = GenerateChooseColor(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToHex(clrResult, 6));"};
    s.directives = {{"window", "Color"}, {"text", "706", "255"}, {"text", "707", "128"}, {"text", "708", "0"},
                    {"press", "1"}, {"output", "result=0080FF"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"choosecolor_initvar", "the Color dialog started from its variable", {}, {}, {}, {}};
    ChooseColorOptions o;
    o.rgbInit = true;
    o.fullOpen = true;
    o.initWithVar = true;
    o.varName = "clrBack";
    s.code = GenerateChooseColor(o, Texts(), p.target);
    s.preamble = {"clrBack := $123456;"};
    s.postamble = {"Report('result=' + IntToHex(clrBack, 6));"};
    s.directives = {{"window", "Color"}, {"text", "706", "86"}, {"text", "707", "52"}, {"text", "708", "18"},
                    {"press", "1"}, {"output", "result=123456"}};
    return s;
  });
  return states;
}

std::vector<StateMaker> PrintStates() {
  std::vector<StateMaker> states;
  // "print-window": the Print dialog when a printer is known; without one, the message asking to install a printer.
  states.push_back([](const Place& p) {
    State s{"print_start", "the Print dialog in its start state", {}, {}, {}, {}};
    PrintOptions o;
    s.code = GeneratePrint(o, Texts(), p.target);
    s.directives = {{"print-window", "Print"}, {"text", "1154", "1"}, {"checked", "1056", "1"}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"print_pages", "the Print dialog for pages 2 to 5, three collated copies, to a file", {}, {}, {}, {}};
    PrintOptions o;
    o.pageNums = true;
    o.fromPage = "2";
    o.toPage = "5";
    o.copies = 3;
    o.collate = o.printToFile = o.showHelp = true;
    s.code = GeneratePrint(o, Texts(), p.target);
    s.directives = {{"print-window", "Print"}, {"checked", "1058", "1"}, {"text", "1152", "2"}, {"text", "1153", "5"},
                    {"text", "1154", "3"}, {"checked", "1041", "1"}, {"checked", "1040", "1"}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"print_appearance", "the Print dialog with every appearance option but the setup", {}, {}, {}, {}};
    PrintOptions o;
    o.selection = true;
    o.disablePrintToFile = o.noPageNums = o.noSelection = o.noWarning = true;
    s.code = GeneratePrint(o, Texts(), p.target);
    s.directives = {{"print-window", "Print"}, {"enabled", "1058", "0"}, {"enabled", "1057", "0"},
                    {"enabled", "1040", "0"}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"print_empty", "the Print dialog for pages with empty page fields", {}, {}, {}, {}};
    PrintOptions o;
    o.pageNums = true;
    s.code = GeneratePrint(o, Texts(), p.target);
    // The dialog leaves a page field empty for 65535, the number that stands for no page.
    s.directives = {{"print-window", "Print"}, {"checked", "1058", "1"}, {"text", "1152", "1"}, {"text", "1153", ""},
                    {"press", "2"}};
    return s;
  });
  return states;
}

// The font variable's life around the code: the fragment's comment asks for it to be created first. The logical
// font is stale, as StaleFileBuffer says; a weight of $7F7F7F7F is bold.
Lines FontPreamble(const std::string& var) { return {var + " := TFont.Create;", "FillChar(lf, SizeOf(lf), $7F);"}; }

Lines FontReport(const std::string& var) {
  return {"Report('name=' + " + var + ".Name);",
          "Report('height=' + IntToStr(" + var + ".Height));",
          "Report('bold=' + IntToStr(Ord(fsBold in " + var + ".Style)) + ' italic=' + IntToStr(Ord(fsItalic in " + var +
              ".Style)));",
          "Report('color=' + IntToHex(" + var + ".Color, 6));",
          var + ".Free;"};
}

// The font dialog lists only the fonts that the machine has: the states name DejaVu Sans, which fontconfig brings
// along on Debian (fonts-dejavu-core), so that the dialog can select it.
// The Font dialog in its start state, cancelled: the font variable stays as it was.
State CancelledFontState(const Place& p, const char* name, const char* about, bool handleAnswer) {
  State s{name, about, {}, {}, {}, {}};
  s.code = GenerateChooseFont(ChooseFontOptions{}, Texts(), p.target, handleAnswer);
  s.preamble = FontPreamble("Result");
  s.preamble.push_back("Result.Name := 'Unchanged';");
  s.postamble = {"Report('name=' + Result.Name);", "Result.Free;"};
  s.directives = {{"window", "Font"}, {"press", "2"}, {"output", "name=Unchanged"}};
  return s;
}

std::vector<StateMaker> ChooseFontStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    return CancelledFontState(p, "choosefont_start", "the Font dialog in its start state", false);
  });
  states.push_back([](const Place& p) {
    State s{"choosefont_sample", "the Font dialog started from the sample font's values", {}, {}, {}, {}};
    ChooseFontOptions o;
    o.initToLogFont = true;
    o.initWithVar = false;
    o.sample.name = "DejaVu Sans";
    o.sample.height = -16;
    o.sample.charset = 0;
    o.sample.color = 0x0000FF;
    o.sample.italic = true;
    o.varName = "fntSample";
    s.code = GenerateChooseFont(o, Texts(), p.target);
    s.preamble = FontPreamble("fntSample");
    s.postamble = FontReport("fntSample");
    s.directives = {{"window", "Font"}, {"text", "1136", "DejaVu Sans"}, {"text", "1137", "Italic"},
                    {"text", "1138", "12"}, {"press", "1"},
                    {"output", "name=DejaVu Sans"}, {"output", "height=-16"}, {"output", "bold=0 italic=1"},
                    {"output", "color=0000FF"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"choosefont_all", "the Font dialog with every option and a bold, struck-out sample font", {}, {}, {}, {}};
    ChooseFontOptions o;
    o.screenFonts = o.printerFonts = o.ttOnly = o.fixedPitchOnly = o.scalableOnly = true;
    o.effects = o.noScriptSel = o.noFaceSel = o.noStyleSel = o.noSizeSel = true;
    o.limitSize = true;
    o.minSize = 8;
    o.maxSize = 16;
    o.initToLogFont = true;
    o.initWithVar = false;
    o.sample.name = "Courier New";
    o.sample.height = -13;
    o.sample.charset = 0;
    o.sample.pitch = 1;
    o.sample.bold = o.sample.underline = o.sample.strikeOut = true;
    s.code = GenerateChooseFont(o, Texts(), p.target);
    s.preamble = FontPreamble("Result");
    s.postamble = {"Result.Free;"};
    s.directives = {{"window", "Font"}, {"checked", "1040", "1"}, {"checked", "1041", "1"}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"choosefont_initvar", "the Font dialog started from its TFont variable", {}, {}, {}, {}};
    ChooseFontOptions o;
    o.initToLogFont = true;
    o.initWithVar = true;
    o.limitSize = true;
    o.minSize = 6;
    o.maxSize = 24;
    o.varName = "fntTitle";
    s.code = GenerateChooseFont(o, Texts(), p.target);
    s.preamble = FontPreamble("fntTitle");
    s.preamble.insert(s.preamble.end(), {"fntTitle.Name := 'DejaVu Sans';", "fntTitle.Height := -16;",
                                         "fntTitle.Style := [fsBold];", "fntTitle.Charset := ANSI_CHARSET;",
                                         "fntTitle.Color := clGreen;"});
    s.postamble = FontReport("fntTitle");
    s.directives = {{"window", "Font"}, {"text", "1136", "DejaVu Sans"}, {"text", "1137", "Bold"},
                    {"text", "1138", "12"}, {"press", "1"},
                    {"output", "name=DejaVu Sans"}, {"output", "height=-16"}, {"output", "bold=1 italic=0"},
                    {"output", "color=008000"}};
    return s;
  });
  return states;
}

// ---- The states of the Unicode target alone -----------------------------------------------------------------------
// Texts in Cyrillic and CJK, one character beyond the Basic Multilingual Plane among them, which the dialog must show
// exactly; and buffers filled to their last character, which the code must size so that nothing is written past them.

const std::string kCjkExtB = "\xF0\xA0\xAE\xB7";  // U+20BB7, a surrogate pair in UTF-16

std::vector<FilterRow> UnicodeFilters() {
  return {{"Текстовые файлы 文本文件", "*.txt"}, {"Все файлы 所有文件", "*.*"}};
}

// Names of `count` files whose list, as a multiple selection in `folder` returns it (the folder, each name, each
// followed by its zero, and the zero that ends the list), takes `chars` characters.
Lines FillingNames(const std::string& folder, std::size_t count, std::size_t chars) {
  const std::size_t fixed = folder.size() + 1 + count + 1;
  if (chars < fixed + count * 5 || chars - fixed > count * 200) {
    std::cerr << "the work folder's path is too long for a selection of " << chars << " characters: " << folder << "\n";
    std::exit(1);
  }
  std::size_t left = chars - fixed;
  Lines names;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t length = i + 1 == count ? left : left / (count - i);
    names.push_back(std::string(length - 4, static_cast<char>('a' + i)) + ".txt");
    left -= length;
  }
  return names;
}

// The Open or the Save dialog with a title and filters in Cyrillic and Chinese, cancelled.
template <typename Options>
State UnicodeFileDialogState(const Place& p, const char* name, const char* about, const std::string& title,
                             GeneratedCode (*generate)(const Options&, const FrameTexts&, TCodeTarget)) {
  State s{name, about, {}, {}, {}, {}};
  Options o;
  o.title = title + " " + kCjkExtB;
  o.gridRows = UnicodeFilters();
  s.code = generate(o, Texts(), p.target);
  s.preamble = StaleFileBuffer();
  s.postamble = {"Report('result=' + Result);"};
  s.directives = {{"window", o.title}, {"items", "1136", o.gridRows[0].description, o.gridRows[1].description},
                  {"press", "2"}, {"output", "result="}};
  return s;
}

std::vector<StateMaker> UnicodeStates() {
  std::vector<StateMaker> states;
  states.push_back([](const Place& p) {
    State s{"messagebox_unicode", "the message box with a Cyrillic and Chinese title and text", {}, {}, {}, {}};
    MessageBoxOptions o;
    o.title = "Подтверждение 确认";
    o.textLines = {"Сохранить изменения в отчёте?", "保存对报告的更改吗？ " + kCjkExtB};
    o.icon = MbIcon::Confirmation;
    o.button = MbButton::YESNO_1;
    s.code = GenerateMessageBox(o, Texts(), p.target);
    s.postamble = {"Report('result=' + IntToStr(Result));"};
    s.directives = {{"window", o.title}, {"text", "65535", JoinedText(o.textLines)}, {"buttons", "&Yes", "&No"},
                    {"press", "6"}, {"output", "result=6"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_unicode", "the folder picker with a Cyrillic and Chinese title", {}, {}, {}, {}};
    BrowseForFolderOptions o;
    o.titleLines = {"Выберите папку для копий", "选择备份文件夹 " + kCjkExtB};
    s.code = GenerateBrowseForFolder(o, Texts(), p.target);
    s.postamble = {"Report('folder=' + sResult);"};
    s.directives = {{"window", "Browse for Folder"}, {"text", "14146", JoinedText(o.titleLines)}, {"press", "2"},
                    {"output", "folder="}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_long", "the folder picker returning a path of 250 characters", {}, {}, {}, {}};
    // My Documents is made the program's own folder, which holds one folder whose path is 250 characters long.
    const std::string documents = p.Folder(s.name);
    const std::size_t room = 250 - documents.size() - 1;
    const std::string folder = documents + "\\" + std::string(room, 'd');
    BrowseForFolderOptions o;
    o.rootIndex = 1;
    s.code = GenerateBrowseForFolder(o, Texts(), p.target);
    s.postamble = {"Report('folder=' + sResult);", "Report('length=' + IntToStr(Length(sResult)));"};
    s.directives = {{"make-folder", folder}, {"documents", documents}, {"window", "Browse for Folder"},
                    {"select-child", "14145"}, {"press", "1"}, {"output", "folder=" + folder},
                    {"output", "length=250"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"rundlg_unicode", "the Run dialog with a Cyrillic and Chinese title and description", {}, {}, {}, {}};
    RunDlgOptions o;
    o.title = "Выполнить 运行";
    o.descriptionLines = {"Введите имя программы.", "输入程序名称 " + kCjkExtB};
    o.description = JoinCrLfText(o.descriptionLines);
    o.directory = "C:\\windows";
    s.code = GenerateRunDlg(o, Texts(), p.target);
    s.directives = {{"window", o.title}, {"text", "12289", JoinedText(o.descriptionLines)}, {"press", "2"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"shellabout_unicode", "the shell About box with a Cyrillic and Chinese product and description", {}, {},
            {}, {}};
    ShellAboutOptions o;
    o.product = "Учёт склада 仓库管理";
    o.descriptionLines = {"Версия 2.1", "为仓库团队构建 " + kCjkExtB};
    s.code = GenerateShellAbout(o, Texts(), p.target);
    s.directives = {{"window", "About " + o.product}, {"text", "100", o.product},
                    {"text", "101", JoinedText(o.descriptionLines)}, {"press", "1"}};
    return s;
  });
  states.push_back([](const Place& p) {
    return UnicodeFileDialogState(p, "openfile_unicode", "the Open dialog with a Cyrillic and Chinese title",
                                  "Открыть отчёт 打开报告", GenerateOpenFile);
  });
  states.push_back([](const Place& p) {
    return UnicodeFileDialogState(p, "savefile_unicode", "the Save dialog with a Cyrillic and Chinese title",
                                  "Сохранить отчёт 保存报告", GenerateSaveFile);
  });
  states.push_back([](const Place& p) {
    // Three files whose list as the dialog returns it (the folder, each name, each followed by its zero, and the
    // zero that ends the list) takes the buffer to its last character; the guard after it must stay as it was.
    State s{"openfile_fill", "the Open dialog with a multiple selection that fills its buffer", {}, {}, {}, {},
            "szFile"};
    const std::string dir = p.Folder(s.name);
    OpenFileOptions o;
    o.title = "Open several files";
    o.initialDir = dir;
    o.allowMultiSelect = true;
    o.varName = "sFiles";
    s.code = GenerateOpenFile(o, Texts(), p.target);
    const Lines names = FillingNames(dir, 3, kFileNameBufferChars);
    std::string typed;
    for (const std::string& n : names) {
      s.directives.push_back({"make-file", dir + "\\" + n, "x"});
      typed += (typed.empty() ? "\"" : " \"") + n + "\"";
    }
    s.preamble = StaleFileBuffer();
    const Lines guard = GuardPreamble("szFile");
    s.preamble.insert(s.preamble.end(), guard.begin(), guard.end());
    s.postamble = GuardPostamble("szFile");
    s.postamble.insert(s.postamble.begin(), "ReportList(szFile);");
    s.directives.insert(s.directives.end(), {{"window", o.title}, {"set", "1148", typed}, {"press", "1"},
                                             {"output", "item=" + dir}});
    for (const std::string& n : names) s.directives.push_back({"output", "item=" + n});
    s.directives.insert(s.directives.end(), {{"output", "end=" + std::to_string(kFileNameBufferChars - 1)},
                                             {"output", "guard intact"}});
    return s;
  });
  return states;
}

// ---- The code that handles the user's answer -----------------------------------------------------------------------
// Each kind that has an answer with the answer handled: the message box's case statement for sets that hold every
// button between them; the common dialogs cancelled (no error box may follow), and the Print dialog failing where no
// printer is known (the error box shows CommDlgExtendedError's number, PDERR_NODEFAULTPRN); the folder picker's
// answer read or cancelled, its item-id lists freed; the icon picker failing and the file operation done or failing.

// The message box that the handled code shows for a failure.
Directive ErrorBox(const std::string& text, const char* when = "always") { return {"error-box", text, when}; }

// The Open or the Save dialog in its start state with the answer handled, cancelled.
template <typename Options>
State HandledFileDialogState(const Place& p, const char* name, const std::string& dialog, const char* title,
                             GeneratedCode (*generate)(const Options&, const FrameTexts&, TCodeTarget, bool)) {
  State s{name, dialog + " whose answer is handled, cancelled", {}, {}, {}, {}};
  s.code = generate(Options{}, Texts(), p.target, true);
  s.preamble = StaleFileBuffer();
  s.postamble = {"Report('result=' + Result);"};
  s.directives = {{"window", title}, {"press", "2"}, {"output", "result="}};
  return s;
}

std::vector<StateMaker> HandledAnswerStates() {
  std::vector<StateMaker> states;
  struct Set {
    const char* name;
    MbButton button;
    std::vector<std::string> captions;
    const char* press;
  };
  for (const Set& set : {Set{"ok", MbButton::OK_1, {"OK"}, "1"},
                         Set{"yesnocancel", MbButton::YESNOCANCEL_1, {"&Yes", "&No", "Cancel"}, "7"},
                         Set{"abortretryignore", MbButton::ABORTRETRYIGNORE_1, {"&Abort", "&Retry", "&Ignore"}, "4"}}) {
    states.push_back([set](const Place& p) {
      State s{std::string("messagebox_handled_") + set.name, "the message box whose answer is handled", {}, {}, {}, {}};
      MessageBoxOptions o;
      o.title = "Question";
      o.button = set.button;
      s.code = GenerateMessageBox(o, Texts(), p.target, true);
      Directive buttons{"buttons"};
      buttons.insert(buttons.end(), set.captions.begin(), set.captions.end());
      s.directives = {{"window", "Question"}, buttons, {"press", set.press}};
      return s;
    });
  }
  states.push_back([](const Place& p) {
    return HandledFileDialogState<OpenFileOptions>(p, "openfile_handled", "the Open dialog", "Open", GenerateOpenFile);
  });
  states.push_back([](const Place& p) {
    return HandledFileDialogState<SaveFileOptions>(p, "savefile_handled", "the Save dialog", "Save As",
                                                   GenerateSaveFile);
  });
  states.push_back([](const Place& p) {
    State s{"choosecolor_handled", "the Color dialog whose answer is handled, cancelled", {}, {}, {}, {}};
    ChooseColorOptions o;
    s.code = GenerateChooseColor(o, Texts(), p.target, true);
    s.preamble = {"Result := $123456;"};
    s.postamble = {"Report('result=' + IntToHex(Result, 6));"};
    s.directives = {{"window", "Color"}, {"press", "2"}, {"output", "result=123456"}};
    return s;
  });
  states.push_back([](const Place& p) {
    return CancelledFontState(p, "choosefont_handled", "the Font dialog whose answer is handled, cancelled", true);
  });
  states.push_back([](const Place& p) {
    // Without a printer the dialog fails after Windows' message: PDERR_NODEFAULTPRN.
    State s{"print_handled", "the Print dialog whose answer is handled, cancelled", {}, {}, {}, {}};
    PrintOptions o;
    s.code = GeneratePrint(o, Texts(), p.target, true);
    s.directives = {{"print-window", "Print"}, {"press", "2"},
                    ErrorBox("The dialog failed with error 4104.", "no-printer")};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_handled", "the folder picker whose answer is handled, choosing a folder", {}, {}, {},
            {}};
    const std::string documents = p.Folder(s.name);
    BrowseForFolderOptions o;
    o.rootIndex = 1;  // My Documents, made the program's own folder, which holds one folder
    s.code = GenerateBrowseForFolder(o, Texts(), p.target, true);
    s.postamble = {"Report('folder=' + sResult);"};
    s.directives = {{"make-folder", documents + "\\chosen"}, {"documents", documents},
                    {"window", "Browse for Folder"}, {"select-child", "14145"}, {"press", "1"},
                    {"output", "folder=" + documents + "\\chosen"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"browseforfolder_handled_cancel", "the folder picker whose answer is handled, cancelled", {}, {}, {}, {}};
    BrowseForFolderOptions o;
    s.code = GenerateBrowseForFolder(o, Texts(), p.target, true);
    s.postamble = {"Report('folder=' + sResult);"};
    s.directives = {{"window", "Browse for Folder"}, {"press", "2"}, {"output", "folder="}};
    return s;
  });
  states.push_back([](const Place& p) {
    // The shell here has no icon picker of its own: the call fails at once.
    State s{"pickicon_handled", "the icon picker whose answer is handled, failing", {}, {}, {}, {}};
    PickIconOptions o;
    s.code = GeneratePickIcon(o, Texts(), p.target, true);
    s.postamble = {"Report('index=' + IntToStr(nIconIndex));"};
    s.directives = {{"window", "Error"}, {"text", "65535", "The icon picker could not be shown."}, {"press", "1"},
                    {"output", "index=0"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_handled", "the file operation whose answer is handled, copying two files", {}, {}, {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.noConfirmation = true;
    o.from = {dir + "\\a.txt", dir + "\\b.txt"};
    o.to = {dir + "\\copies"};
    s.code = GenerateFileOperation(o, Texts(), p.target, true);
    s.postamble = FileOpReport();
    s.directives = {{"make-file", dir + "\\a.txt", "alpha"}, {"make-file", dir + "\\b.txt", "beta"}, {"no-window"},
                    {"output", "completed"}, {"file", dir + "\\copies\\b.txt", "beta"}};
    return s;
  });
  states.push_back([](const Place& p) {
    State s{"fileop_handled_missing", "the file operation whose answer is handled, copying a missing file", {}, {},
            {}, {}};
    const std::string dir = p.Folder(s.name);
    FileOpOptions o;
    o.noConfirmation = true;
    o.from = {dir + "\\missing.txt"};
    o.to = {dir + "\\copies"};
    s.code = GenerateFileOperation(o, Texts(), p.target, true);
    s.postamble = FileOpReport();
    s.directives = {{"make-folder", dir}, {"window", "Error"}, {"text", "65535", "The file operation failed with error 1026."}, {"press", "1"},
                    {"output", "completed"}};
    return s;
  });
  return states;
}

// Programs that are known not to compile as generated: the program, the compiler's message it fails with, and why.
struct Exclusion {
  const char* program;
  const char* message;
  const char* reason;
};

const std::vector<Exclusion>& Exclusions() {
  static const std::vector<Exclusion> exclusions = {};
  return exclusions;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: emit_programs <output folder> <work folder as a Windows path>\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const std::string work = argv[2];
  if (work.find('\'') != std::string::npos) {
    std::cerr << "the work folder's path may not hold an apostrophe: it goes into Pascal string literals\n";
    return 2;
  }
  std::filesystem::create_directories(out);

  const std::vector<std::vector<StateMaker>> kinds = {
      MessageBoxStates(), BrowseForFolderStates(), RunDlgStates(),   FormatDriveStates(),
      ShellAboutStates(), PickIconStates(),        FileOperationStates(), OpenFileStates(),
      SaveFileStates(),   ChooseColorStates(),     PrintStates(),    ChooseFontStates(),
      HandledAnswerStates()};
  const std::vector<StateMaker> unicodeOnly = UnicodeStates();

  std::ofstream manifest(out / "manifest.txt", std::ios::binary);
  std::ofstream list(out / "programs.txt", std::ios::binary);
  std::set<std::string> names;
  int count = 0;
  for (const TCodeTarget target : kCodeTargets) {
    std::vector<StateMaker> states;
    for (const auto& kind : kinds) states.insert(states.end(), kind.begin(), kind.end());
    if (target == ctDelphiUnicode) states.insert(states.end(), unicodeOnly.begin(), unicodeOnly.end());
    for (const StateMaker& make : states) {
      for (const std::string form : {"copy", "edit"}) {
        const State state = make(Place{work, form, target});
        const std::string name = TargetPrefix(target) + state.name + "_" + form;
        if (!names.insert(name).second) {
          std::cerr << "program named twice: " << name << "\n";
          return 1;
        }
        const bool copy = form == "copy";
        const ProgramParts parts = copy ? CopyForm(state.code) : EditForm(state.code);
        std::ofstream program(out / (name + ".pas"), std::ios::binary);
        program << ProgramText(name, state, copy ? "Copy" : "Edit", parts, target);
        manifest << "program\t" << name << "\n";
        for (const Directive& d : state.directives) {
          for (std::size_t i = 0; i < d.size(); ++i) manifest << (i ? "\t" : "") << Escape(d[i]);
          manifest << "\n";
        }
        manifest << "end\n";
        list << name << "\t" << static_cast<int>(target) << "\n";
        ++count;
      }
    }
  }
  std::ofstream excluded(out / "excluded.txt", std::ios::binary);
  for (const Exclusion& e : Exclusions()) {
    if (!names.count(e.program)) {
      std::cerr << "an exclusion names no program: " << e.program << "\n";
      return 1;
    }
    excluded << e.program << "\t" << e.message << "\t" << e.reason << "\n";
  }
  std::cout << count << " programs written to " << out.string() << "\n";
  return 0;
}
