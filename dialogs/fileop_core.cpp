#include "dialogs/fileop_core.h"

namespace qm {

std::uint32_t FileOpFunc(FileOp op) {
  switch (op) {
    case FileOp::Copy: return 2;
    case FileOp::Delete: return 3;
    case FileOp::Move: return 1;
    case FileOp::Rename: return 4;
  }
  return 2;
}

std::uint32_t FileOpFlags(const FileOpOptions& o) {
  std::uint32_t flags = 512;
  if (o.allowUndo) flags |= 64;
  if (o.noConfirmation) flags |= 16;
  if (o.renameOnCollision) flags |= 8;
  if (o.filesOnly) flags |= 128;
  if (o.simpleProgress) flags |= 256;
  if (o.multiDestFiles) flags |= 1;
  return flags;
}

Lines ListEntries(const Lines& cells) {
  Lines entries;
  for (const auto& cell : cells) {
    if (cell.empty()) break;
    entries.push_back(cell);
  }
  return entries;
}

std::string ShellList(const Lines& entries) {
  std::string list;
  for (const auto& e : entries) {
    list += e;
    list += '\0';
  }
  list += '\0';
  return list;
}

std::string CodeList(const Lines& entries) {
  std::string list;
  for (const auto& e : entries) list += "'" + e + "'#0";
  return list;
}

FileOpClip ClipFor(FileOp op, bool allowUndo) {
  switch (op) {
    case FileOp::Copy:
    case FileOp::Move: return FileOpClip::CopyFiles;
    case FileOp::Rename: return FileOpClip::CopyFile;
    case FileOp::Delete: return allowUndo ? FileOpClip::RecycleFile : FileOpClip::DeleteFile;
  }
  return FileOpClip::CopyFiles;
}

int ClipResourceId(FileOpClip clip) {
  switch (clip) {
    case FileOpClip::CopyFiles: return 160;
    case FileOpClip::CopyFile: return 161;
    case FileOpClip::RecycleFile: return 162;
    case FileOpClip::DeleteFile: return 164;
  }
  return 160;
}

const char* ClipName(FileOpClip clip) {
  switch (clip) {
    case FileOpClip::CopyFiles: return "aviCopyFiles";
    case FileOpClip::CopyFile: return "aviCopyFile";
    case FileOpClip::RecycleFile: return "aviRecycleFile";
    case FileOpClip::DeleteFile: return "aviDeleteFile";
  }
  return "aviCopyFiles";
}

namespace {
// An empty list is written as nil: PChar() with nothing between the parentheses would not compile.
std::string ListAssignment(const char* field, const Lines& entries) {
  if (entries.empty()) return std::string(field) + " := nil;";
  return std::string(field) + " := PChar(" + CodeList(entries) + ");";
}
}  // namespace

GeneratedCode GenerateFileOperation(const FileOpOptions& o, const FrameTexts& texts) {
  // The statements with their indentation inside the outermost level.
  const Lines statements = {
      "FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);",
      "with lpFileOp do",
      "begin",
      "  Wnd := Handle;",
      "  wFunc := " + Decimal(FileOpFunc(o.operation)) + ";",
      "  fFlags := " + Decimal(FileOpFlags(o)) + ";",
      "  hNameMappings := nil;",
      o.simpleProgress ? "  lpszProgressTitle := PChar('" + o.progressTitle + "');" : "  lpszProgressTitle := nil;",
      "  " + ListAssignment("pFrom", o.from),
      "  " + ListAssignment("pTo", o.to),
      "end;",
      "SHFileOperation(lpFileOp);",
      "if lpFileOp.fAnyOperationsAborted then",
      "begin",
      "  ",
      "end;",
  };

  GeneratedCode code;
  Lines body = {texts.header2, texts.header3, "//   lpFileOp: TSHFileOpStruct; // ShellAPI must be in uses clause !"};
  body.insert(body.end(), statements.begin(), statements.end());
  code.fragment = Fragment(texts, body);
  code.uses = {"ShellAPI, ShlObj"};
  code.decl = {"var", "  lpFileOp: TSHFileOpStruct;"};
  // In the editor every statement moves two blanks to the right, except the blank line left for the user's own
  // statements, which stays two blanks long.
  for (const auto& s : statements) code.impl.push_back(s == "  " ? s : "  " + s);
  return code;
}

}  // namespace qm
