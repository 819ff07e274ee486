// The frame every dialog kind's generated code shares: kinds, build modes, header and footer, the editor's three
// parts, and the rules for writing texts and numbers into Delphi source. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

enum TDialogKind : std::uint8_t {
  dkMessageBox = 0,
  dkBrowseForFolder = 2,
  dkRunFile = 3,
  dkFormatDrive = 4,
  dkShellAbout = 5,
  dkPickIcon = 6,
  dkOpenFile = 7,
  dkSaveFile = 8,
  dkChooseColor = 9,
  dkPrint = 10,
  dkChooseFont = 11,
  dkFileOperation = 12,
};

enum TBuildMode : std::uint8_t { bmTest = 0, bmCopy = 1, bmEdit = 2 };

// True for the twelve values that name a dialog kind (1 and everything above 12 name none).
bool IsDialogKind(int value);

using Lines = std::vector<std::string>;

// The comment lines of a clipboard fragment, as the string table holds them.
struct FrameTexts {
  std::string header1;  // first header line
  std::string header2;  // "you may need to declare"
  std::string header3;  // "//var"
  std::string footer;
  static FrameTexts Defaults();
};

// What a builder produces for bmCopy and bmEdit: the whole clipboard fragment, and the three editor parts.
struct GeneratedCode {
  Lines fragment;
  Lines uses;
  Lines decl;
  Lines impl;
};

// Puts a kind's generated code together in the order the fragment reads: the first header line, the comment block
// (the other header lines and the variables to declare), the statements, the footer; and beside them the three
// editor panes. Each statement is written once into both places it goes, the fragment at the statements' own
// indentation and the implementation pane two blanks further in: the line is put together in a buffer of its final
// size and the fragment's copy is taken from it. Every list is reserved to its final size at the start, so a
// generation allocates little more than the lines it hands back. A kind that declares nothing leaves the
// declarations pane empty, without a "var" of its own.
class CodeWriter {
 public:
  // The code of `comments` comment lines, `statements` statements and `declarations` variables (after "var"). A
  // statement that only one of the two places holds counts as one there.
  CodeWriter(const FrameTexts& texts, std::size_t comments, std::size_t statements, std::size_t declarations);

  // A line of the fragment's comment block, from its pieces. All of them come before the first statement.
  void Comment(std::initializer_list<std::string_view> pieces);

  // A statement from its pieces. Defined here so that the lengths of literal pieces are known where it is called.
  void Add(std::initializer_list<std::string_view> pieces) { FinishStatement(WriteIndented(pieces)); }

  // A statement that the fragment and the pane place at different points: the fragment's copy (as the statement
  // stands there) and, where the pane has it, the pane's (given the same way; the pane indents it).
  void AddToFragment(std::initializer_list<std::string_view> pieces);
  void AddToPane(std::initializer_list<std::string_view> pieces) { WriteIndented(pieces); }

  // A statement of `size` characters, which `write` appends to the line it is handed (a list of any length, say).
  template <typename Write>
  void AddWritten(std::size_t size, Write&& write) {
    std::string& indented = StartStatement(size);
    write(indented);
    FinishStatement(indented);
  }

  // A line that stands the same in both places, as the blank line left for the user's own statements does; also
  // from its pieces, for a statement that the pane does not indent further.
  void AddUnindented(std::string_view line);
  void AddUnindented(std::initializer_list<std::string_view> pieces);

  // A line of the declarations pane after "var", from its pieces.
  void Declare(std::initializer_list<std::string_view> pieces);

  // Ends the fragment with the footer, names the units of the uses pane, and hands the whole code over.
  GeneratedCode Finish(std::string_view uses);
  // The same for a kind that needs no unit: its uses pane stays empty.
  GeneratedCode Finish();

 private:
  std::string& WriteIndented(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (const std::string_view piece : pieces) size += piece.size();
    std::string& indented = StartStatement(size);
    for (const std::string_view piece : pieces) indented += piece;
    return indented;
  }
  std::string& StartStatement(std::size_t size);
  void FinishStatement(const std::string& indented);

  const FrameTexts& texts_;
  GeneratedCode code_;
};

// Every line followed by CR LF, the last one too. A line break inside a line (CR LF, a lone CR or a lone LF) is
// written as CR LF, and a NUL inside a line is left out: the text holds no NUL and all its lines end with CR LF.
std::string JoinCrLf(const Lines& lines);

// Splits a text at its line breaks (CR LF, a lone CR or a lone LF). A final break does not start another line, so
// "a\r\n" is one line and "" is none.
Lines SplitLines(std::string_view text);

// A memo's lines as one chain of Delphi literals, without the template's outer apostrophes: the first line, then for
// each further line: apostrophe, " + #10#13 + ", apostrophe, the line. Nothing is doubled or escaped.
std::string JoinMemoLines(const Lines& lines);

// Unsigned decimal text of a flag set.
std::string Decimal(std::uint32_t value);
std::string Decimal(std::int32_t value);

// Delphi's StrToInt rules: optional blanks, a sign, decimal digits or a hexadecimal number after "$", "0x" or "x";
// nothing else, and the value must fit a signed 32-bit integer.
bool StrToInt(std::string_view text, std::int32_t& value);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

}  // namespace qm
