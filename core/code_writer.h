// The frame of every kind's generated code (the header and footer lines, the three parts of the editor) and the one
// writer through which every kind's generator puts its code together. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/lines.h"

namespace qm {

// The compiler that generated code is written for. The classic target is the ANSI Delphi of 32-bit Windows; the
// others differ from it only where their compilers need it (two-byte Char, 64-bit pointers, Free Pascal's own
// declarations of the Windows functions).
enum TCodeTarget : std::uint8_t { ctDelphiClassic = 0, ctDelphiUnicode = 1, ctFreePascal = 2 };
inline constexpr TCodeTarget kCodeTargets[] = {ctDelphiClassic, ctDelphiUnicode, ctFreePascal};

// The target a stored setting names: 0, 1 or 2; any other value is the classic target.
TCodeTarget CodeTargetFromSetting(std::int32_t value);

// The comment lines of a clipboard fragment, as the string table holds them. The first header line names the
// target; the other lines are the same for all.
struct FrameTexts {
  std::string header1;  // first header line of the classic target
  std::string header2;  // "you may need to declare"
  std::string header3;  // "//var"
  std::string footer;
  std::string header1Unicode{};     // first header line of the Delphi 2009 target
  std::string header1FreePascal{};  // first header line of the Free Pascal target
  const std::string& Header1(TCodeTarget target) const;
  static FrameTexts Defaults();
};

// What a kind generates: the whole clipboard fragment, and the three editor parts.
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
  // The code of `comments` comment lines, `statements` statements and `declarations` variables (after "var"), for
  // `target`. A statement that only one of the two places holds counts as one there.
  CodeWriter(const FrameTexts& texts, TCodeTarget target, std::size_t comments, std::size_t statements,
             std::size_t declarations);

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

}  // namespace qm
