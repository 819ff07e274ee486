// What the Open and the Save file kinds' fuzz targets share: their common options, and the checks of the code and
// of the record a test fills.
#pragma once

#include <algorithm>

#include "dialogs/openfile_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace fuzz {

inline void ReadFileDialogOptions(Input& in, qm::FileDialogOptions& o) {
  o.title = in.Text();
  o.initialDir = in.Text();
  o.fileName = in.Text();
  const std::size_t rows = in.IntIn<std::size_t>(0, qm::kFilterGridRows - 1);
  for (std::size_t i = 0; i < rows; ++i) o.gridRows.push_back({in.Text(), in.Text()});
  // As the panel reads its spin field, or any number at all.
  o.filterIndex = in.Bool() ? qm::FilterIndexFromText(in.Text()) : in.Int<int>();
  o.varName = in.Text();
  o.initWithVar = in.Bool();
}

inline void CheckFileDialog(const qm::GeneratedCode& code, const qm::FileDialogOptions& o, qm::TCodeTarget target,
                            std::uint32_t flags, std::uint32_t mask) {
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  CheckFrame(code, t, target);
  // The dialog is told the buffer's length in characters, whatever a character's size.
  const std::string maxFile = target == qm::ctDelphiUnicode ? "nMaxFile := Length(szFile);" : "nMaxFile := SizeOf(szFile);";
  // The file-name buffer is a local array: what a name or the variable does not fill must be cleared.
  const bool clearsBuffer = !o.initWithVar && o.fileName.empty();
  for (const auto& [lines, indent] : {std::pair{&code.fragment, "  "}, std::pair{&code.impl, "    "}}) {
    const auto clears = std::count(lines->begin(), lines->end(), std::string(indent) + "szFile[0] := #0;");
    Require(clears == (clearsBuffer ? 1 : 0),
            clearsBuffer ? "the file-name buffer is not cleared" : "the file-name buffer is cleared as well as filled");
    Require(std::count(lines->begin(), lines->end(), indent + maxFile) == 1, "the buffer's length", maxFile);
    CheckNumberLine(*lines, std::string(indent) + "Flags := ", ";", 0, kUInt32Max, flags, "the dialog flags");
    if (o.filterIndex != 1)
      CheckNumberLine(*lines, std::string(indent) + "nFilterIndex := ", ";", kInt32Min, kInt32Max, o.filterIndex,
                      "the filter index");
    else
      CheckNoNumberLine(*lines, std::string(indent) + "nFilterIndex := ", ";", "a filter index of 1 is written");
  }
  CheckFlags(qm::Decimal(flags), mask, flags, "the dialog flags' bits");

  // The test's record: the file name cut to the buffer with its NUL, the filter list ended by its extra NUL.
  const qm::FileDialogRecord r = qm::PrepareFileDialog(o, flags);
  const std::size_t n = std::min(o.fileName.size(), qm::kFileNameBufferChars - 1);
  Require(r.file.back() == '\0', "the file-name buffer does not end with a NUL");
  Require(std::equal(o.fileName.begin(), o.fileName.begin() + static_cast<std::ptrdiff_t>(n), r.file.begin()),
          "the file-name buffer does not start with the file name");
  Require(std::all_of(r.file.begin() + static_cast<std::ptrdiff_t>(n), r.file.end(), [](char c) { return c == '\0'; }),
          "the file-name buffer holds more than the file name");
  Require(!r.filterList.empty() && r.filterList.back() == '\0', "the filter list does not end with a NUL");
  const int fromText = qm::FilterIndexFromText(qm::Decimal(static_cast<std::int32_t>(o.filterIndex)));
  Require(fromText >= 1 && fromText <= 255, "a typed filter index is not held within 1 to 255");
}

}  // namespace fuzz
