#include "dialogs/fileop_core.h"

#include <string_view>

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

namespace {
// The code form of a list: its length, and the form itself written at the end of a line.
std::size_t CodeListSize(const Lines& entries) {
  std::size_t size = 0;
  for (const auto& e : entries) size += 1 + e.size() + 3;
  return size;
}

void AppendCodeList(std::string& line, const Lines& entries) {
  for (const auto& e : entries) {
    line += '\'';
    line += e;
    line += "'#0";
  }
}
}  // namespace

std::string CodeList(const Lines& entries) {
  std::string list;
  list.reserve(CodeListSize(entries));
  AppendCodeList(list, entries);
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
void WriteListAssignment(CodeWriter& out, std::string_view field, const Lines& entries) {
  if (entries.empty()) {
    out.Add({"  ", field, " := nil;"});
    return;
  }
  static constexpr std::string_view kOpen = " := PChar(";
  static constexpr std::string_view kClose = ");";
  const std::size_t size = 2 + field.size() + kOpen.size() + CodeListSize(entries) + kClose.size();
  out.AddWritten(size, [&](std::string& line) {
    line += "  ";
    line += field;
    line += kOpen;
    AppendCodeList(line, entries);
    line += kClose;
  });
}

constexpr std::size_t kStatements = 16;  // the record filled in, the call, and the block for an aborted operation
}  // namespace

GeneratedCode GenerateFileOperation(const FileOpOptions& o, const FrameTexts& texts, TCodeTarget target) {
  return GenerateFileOperation(o, texts, target, false);
}

GeneratedCode GenerateFileOperation(const FileOpOptions& o, const FrameTexts& texts, TCodeTarget target,
                                    bool handleAnswer) {
  CodeWriter out(texts, target, handleAnswer ? 5 : 3, kStatements + (handleAnswer ? 12 : 0), handleAnswer ? 3 : 1);
  out.Comment({texts.header2});
  out.Comment({texts.header3});
  out.Comment({"//   lpFileOp: TSHFileOpStruct; // ShellAPI must be in uses clause !"});
  if (handleAnswer) {
    out.Comment({"//   nError: Integer;"});
    out.Comment({"//   ", kErrorTextDeclaration});
  }

  out.Add({"FillChar(lpFileOp, SizeOf(TSHFileOpStruct), 0);"});
  out.Add({"with lpFileOp do"});
  out.Add({"begin"});
  out.Add({"  Wnd := Handle;"});
  out.Add({"  wFunc := ", Decimal(FileOpFunc(o.operation)), ";"});
  out.Add({"  fFlags := ", Decimal(FileOpFlags(o)), ";"});
  out.Add({"  hNameMappings := nil;"});
  if (o.simpleProgress) {
    out.Add({"  lpszProgressTitle := PChar('", o.progressTitle, "');"});
  } else {
    out.Add({"  lpszProgressTitle := nil;"});
  }
  WriteListAssignment(out, "pFrom", o.from);
  WriteListAssignment(out, "pTo", o.to);
  out.Add({"end;"});
  if (handleAnswer) {
    // A stopped operation may give an error number too: the aborted flag is tested first.
    out.Add({"nError := SHFileOperation(lpFileOp);"});
    out.Add({"if (nError = 0) and not lpFileOp.fAnyOperationsAborted then"});
    out.Add({"begin"});
    out.Add({"  // the operation is done"});
    out.Add({"end"});
    out.Add({"else"});
    out.Add({"begin"});
    out.Add({"  if lpFileOp.fAnyOperationsAborted then"});
    out.Add({"  begin"});
    out.Add({"    // the user stopped the operation"});
    out.Add({"  end"});
    out.Add({"  else"});
    out.Add({"  begin"});
    AddFailureMessage(out, "    ", "Handle", "nError", "The file operation");
    out.Add({"  end;"});
    out.Add({"end;"});
    out.Declare({"  lpFileOp: TSHFileOpStruct;"});
    out.Declare({"  nError: Integer;"});
    out.Declare({"  ", kErrorTextDeclaration});
    return out.Finish("ShellAPI, ShlObj");
  }
  out.Add({"SHFileOperation(lpFileOp);"});
  out.Add({"if lpFileOp.fAnyOperationsAborted then"});
  out.Add({"begin"});
  // The blank line left for the user's own statements: in the editor it stays two blanks long.
  out.AddUnindented("  ");
  out.Add({"end;"});

  out.Declare({"  lpFileOp: TSHFileOpStruct;"});
  return out.Finish("ShellAPI, ShlObj");
}

}  // namespace qm
