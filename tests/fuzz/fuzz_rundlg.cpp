// The Run dialog kind's generator with any options: title, description and directory of any bytes and length, any
// icon and flags. Checks the buffer sizes it writes against the texts they hold.
#include "core/utf.h"
#include "dialogs/rundlg_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The wide and the 8-bit allocation of each text that is written, in one part (fragment or editor statements); in
// Unicode code, where the NT family's branch is all there is, the wide one alone, sized in UTF-16 units.
void CheckBuffers(const qm::Lines& lines, const std::string& outer, const qm::RunDlgOptions& o,
                  qm::TCodeTarget target) {
  const bool branch = qm::HasWindows9xBranch(target);
  const std::string indent = branch ? outer + "  " : outer;
  const struct {
    const char* var;
    std::string literal;
    bool present;
  } items[] = {{"lpTitle", o.title, !o.title.empty()},
               {"lpDescription", qm::JoinMemoLines(o.descriptionLines), !o.description.empty()},
               {"lpDirectory", o.directory, !o.directory.empty()}};
  for (const auto& item : items) {
    const std::string var = item.var;
    const std::string getMem = indent + "GetMem(" + var + ", ";
    const std::vector<std::string> sizes = fuzz::NumbersIn(lines, getMem, ");");
    if (!item.present) {
      fuzz::Require(sizes.empty(), "a text left out is still allocated", var);
      continue;
    }
    fuzz::Require(sizes.size() == (branch ? 2u : 1u), "a text is not allocated once for each branch", var);
    // GetMem and StringToWideChar take an Integer.
    const auto wide = fuzz::CanonicalDecimal(sizes[0], 1, fuzz::kInt32Max);
    fuzz::Require(wide.has_value(), "a buffer size is no Integer in decimal", sizes[0]);
    // Without a measure of the machine's code page, a byte of it for each character.
    const auto bytes = static_cast<std::int64_t>(qm::CodePointCount(item.literal));
    const auto n = branch ? bytes : static_cast<std::int64_t>(qm::ToUtf16(item.literal).size());
    fuzz::Require(*wide == 2 * n + 2, "the wide buffer does not hold the text and its zero", sizes[0]);
    const std::string convert = indent + "StringToWideChar('" + item.literal + "', PWideChar(" + var + "), ";
    fuzz::CheckNumberLine(lines, convert, ");", 1, fuzz::kInt32Max, n + 1, "the characters converted");
    const std::string copy = indent + "StrPCopy(PAnsiChar(" + var + "), '" + item.literal + "');";
    bool copied = false;
    for (const std::string& line : lines) copied = copied || line == copy;
    fuzz::Require(copied == branch, "the 8-bit copy of a text is not there exactly with the 8-bit branch", var);
    if (!branch) continue;
    const auto ansi = fuzz::CanonicalDecimal(sizes[1], 1, fuzz::kInt32Max);
    fuzz::Require(ansi && *ansi == bytes + 1, "the 8-bit buffer does not hold the text and its zero", sizes[1]);
  }
  std::vector<std::string> args;
  for (const std::string& line : lines)
    if (fuzz::StartsWith(line, outer + "SHRunFile(Handle, ")) args = fuzz::TrailingArguments(line, 1);
  fuzz::Require(args.size() == 1, "the call has no flags argument");
  fuzz::CheckFlags(args[0], 47, qm::RunDlgFlags(o), "the Run dialog flags");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  qm::RunDlgOptions o;
  o.title = in.Text();
  o.description = in.Text();
  o.descriptionLines = in.Bool() ? qm::SplitLines(o.description) : in.MemoLines();
  o.applicationIcon = in.Bool();
  o.directory = in.Text();
  o.noBrowse = in.Bool();
  o.noDefault = in.Bool();
  o.calcDirectory = in.Bool();
  o.noLabel = in.Bool();
  o.noSeparateMemory = in.Bool();
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const qm::TCodeTarget target = in.Target();
  const qm::GeneratedCode code = qm::GenerateRunDlg(o, t, target);
  fuzz::CheckFrame(code, t, target);
  // The fragment's statements end before the footer.
  const qm::Lines statements(code.fragment.begin() + 7, code.fragment.end() - 1);
  CheckBuffers(statements, "", o, target);
  CheckBuffers(code.impl, "  ", o, target);
  return 0;
}
