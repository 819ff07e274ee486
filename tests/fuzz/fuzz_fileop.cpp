// The file-operation kind's generator with any options: any operation and flags, a progress title and list cells
// of any bytes and length.
#include "dialogs/fileop_core.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::FileOpOptions o;
  o.operation = in.Enum<qm::FileOp>(4);
  o.allowUndo = in.Bool();
  o.noConfirmation = in.Bool();
  o.renameOnCollision = in.Bool();
  o.filesOnly = in.Bool();
  o.simpleProgress = in.Bool();
  o.multiDestFiles = in.Bool();
  o.progressTitle = in.Text();
  const qm::Lines fromCells = in.MemoLines();
  const qm::Lines toCells = in.MemoLines();
  o.from = qm::ListEntries(fromCells);
  o.to = qm::ListEntries(toCells);
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateFileOperation(o, t, target);
  // The same options with the answer handled: the frame holds as well.
  fuzz::CheckFrame(qm::GenerateFileOperation(o, t, target, true), t, target);
  fuzz::CheckFrame(code, t, target);

  // wFunc is one of FO_MOVE .. FO_RENAME; fFlags is a Word holding FOF_NOCONFIRMMKDIR and the checked options.
  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    const std::uint32_t func = qm::FileOpFunc(o.operation);
    fuzz::CheckNumberLine(*lines, std::string(indent) + "wFunc := ", ";", 1, 4, func, "the operation");
    fuzz::CheckNumberLine(*lines, std::string(indent) + "fFlags := ", ";", 512, 0xFFFF, qm::FileOpFlags(o),
                          "the operation flags");
  }
  fuzz::CheckFlags(qm::Decimal(qm::FileOpFlags(o)), 985, qm::FileOpFlags(o), "the operation flags' bits");

  // A list stops at its first empty cell; the shell's form ends with two NULs.
  for (const qm::Lines* list : {&o.from, &o.to})
    for (const std::string& e : *list) fuzz::Require(!e.empty(), "an empty cell inside a list");
  const std::string shell = qm::ShellList(o.from);
  fuzz::Require(shell.size() >= 1 && shell.back() == '\0', "the shell's list does not end with its NUL");
  fuzz::Require(o.from.empty() || (shell.size() >= 2 && shell[shell.size() - 2] == '\0'),
                "the shell's list does not end with two NULs");
  const int clip = qm::ClipResourceId(qm::ClipFor(o.operation, o.allowUndo));
  fuzz::Require(clip == 160 || clip == 161 || clip == 162 || clip == 164, "no clip of the shell");
  return 0;
}
