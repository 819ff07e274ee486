// The file-operation kind: its options, the lists it hands to the shell, the clip its panel shows, and the code that
// runs the operation. Platform-free.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/frame_core.h"

namespace qm {

// The operation radio group's items, in panel order.
enum class FileOp : std::uint8_t { Copy, Delete, Move, Rename };

// wFunc of each operation: FO_COPY 2, FO_DELETE 3, FO_MOVE 1, FO_RENAME 4.
std::uint32_t FileOpFunc(FileOp op);

// The rows a list grid has below its header.
constexpr int kFileListRows = 19;

struct FileOpOptions {
  FileOp operation = FileOp::Copy;
  bool allowUndo = true;           // 64
  bool noConfirmation = false;     // 16
  bool renameOnCollision = false;  // 8
  bool filesOnly = false;          // 128
  bool simpleProgress = false;     // 256
  bool multiDestFiles = false;     // 1
  std::string progressTitle;
  Lines from;  // the entries of each list (ListEntries of the grid's cells)
  Lines to;
};

// FOF_NOCONFIRMMKDIR (512) and the flag of every checked option.
std::uint32_t FileOpFlags(const FileOpOptions& options);

// A grid's column below its header, read up to (not including) the first empty cell.
Lines ListEntries(const Lines& cells);

// The list as the shell reads it: every entry followed by one NUL, and one more NUL at the end.
std::string ShellList(const Lines& entries);

// The list as a Delphi literal chain: 'a'#0'b'#0. Empty for no entries.
std::string CodeList(const Lines& entries);

// The shell's standard clips that the panel's animation shows.
enum class FileOpClip : std::uint8_t { CopyFiles, CopyFile, RecycleFile, DeleteFile };
FileOpClip ClipFor(FileOp op, bool allowUndo);
int ClipResourceId(FileOpClip clip);  // the clip's "AVI" resource id in shell32
const char* ClipName(FileOpClip clip);

// The name of the window property in which the panel's animation control names the clip it shows (its shell32
// resource id), so that a test or an automation tool can tell which clip the user sees.
constexpr const char* kClipProperty = "QmAviClip";

GeneratedCode GenerateFileOperation(const FileOpOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is kept and tested with the aborted flag: done, stopped by the user, or
// failed with the error the message box shows.
GeneratedCode GenerateFileOperation(const FileOpOptions& options, const FrameTexts& texts, TCodeTarget target,
                                    bool handleAnswer);

}  // namespace qm
