// The Open file kind, and what it shares with the Save file kind (dialogs/savefile_core.h): the filter rows of the
// panel's grid, the values the test passes in the open-file-name record, and the lines of the generated code.
// Platform-free.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/frame_core.h"

namespace qm {

// The file-name buffer of the test record and of the generated code: MAX_PATH characters and the closing NUL.
constexpr std::size_t kFileNameBufferChars = 261;

// One row of the filter grid below its heading: column 0 the description, column 1 the pattern.
struct FilterRow {
  std::string description;
  std::string pattern;
};
// The grid has 20 rows: the heading and 19 rows of filters.
constexpr int kFilterGridRows = 20;

// The rows that count: from the first row down to, not including, the first row whose description is empty.
std::vector<FilterRow> FilterRows(const std::vector<FilterRow>& gridRows);
// For the test: per row description, NUL, pattern, NUL; then one more NUL (an empty list is a single NUL).
std::string TestFilterList(const std::vector<FilterRow>& gridRows);
// For the code: per row 'description'#0'pattern'#0, verbatim; empty without rows.
std::string CodeFilterText(const std::vector<FilterRow>& gridRows);

// What the Open and the Save panel have in common.
struct FileDialogOptions {
  std::string title;
  std::string initialDir;
  std::string fileName;
  std::vector<FilterRow> gridRows;  // the grid's rows below the heading, as they stand
  int filterIndex = 1;
  std::string varName = "Result";
  bool initWithVar = false;  // "Init Dialog with ..."
};

struct OpenFileOptions : FileDialogOptions {
  bool allowMultiSelect = false;
  bool hideReadOnly = true;
  bool fileMustExist = false;
  bool pathMustExist = false;
  bool createPrompt = false;
};

// Flag values of the option boxes (allow-multiselect carries the Explorer flag with it).
constexpr std::uint32_t kOfnAllowMultiSelect = 0x80200;  // OFN_ALLOWMULTISELECT | OFN_EXPLORER
constexpr std::uint32_t kOfnOverwritePrompt = 0x2;
constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnPathMustExist = 0x800;
constexpr std::uint32_t kOfnFileMustExist = 0x1000;
constexpr std::uint32_t kOfnCreatePrompt = 0x2000;

std::uint32_t OpenFileFlags(const OpenFileOptions& options);

// The values that a test puts into the open-file-name record (besides size, owner and the buffer's length).
struct FileDialogRecord {
  std::string filterList;  // always passed, with its NULs
  bool hasTitle = false;   // lpstrTitle stays nil for an empty title
  std::string title;
  bool hasInitialDir = false;  // lpstrInitialDir stays nil for an empty directory
  std::string initialDir;
  // Starts zero-filled; a file name is copied in, cut to kFileNameBufferChars - 1 characters so that the closing NUL
  // always fits.
  std::array<char, kFileNameBufferChars> file{};
  std::uint32_t filterIndex = 0;  // 0 unless the panel's index is other than 1
  std::uint32_t flags = 0;
};
FileDialogRecord PrepareFileDialog(const FileDialogOptions& options, std::uint32_t flags);

// The filter index as the spin edit's text gives it: a number, held within 1..255; anything else is 1.
int FilterIndexFromText(const std::string& text);

GeneratedCode GenerateOpenFile(const OpenFileOptions& options, const FrameTexts& texts, TCodeTarget target);
// With `handleAnswer` the call's result is tested with an else branch that tells a cancel from a failure.
GeneratedCode GenerateOpenFile(const OpenFileOptions& options, const FrameTexts& texts, TCodeTarget target,
                               bool handleAnswer);

// The lines in which the Open and Save kinds differ; everything else of their code is the same.
struct FileDialogCodeVariant {
  const char* copyTarget;  // what StrPCopy writes into: "lpstrFile" or "szFile"
  const char* function;    // "GetOpenFileName" or "GetSaveFileName"
  const char* result;      // what StrPas reads: "szFile" or "ofn.lpstrFile"
};
GeneratedCode GenerateFileDialog(const FileDialogOptions& options, std::uint32_t flags,
                                 const FileDialogCodeVariant& variant, const FrameTexts& texts, TCodeTarget target,
                                 bool handleAnswer = false);

}  // namespace qm
