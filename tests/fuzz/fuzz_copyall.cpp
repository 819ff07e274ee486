// The code editor's copy commands on panes of any text: Copy All and the copy of one pane.
#include "editor/copyall_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The lines the user sees in a pane, as the clipboard text must carry them.
qm::Lines PaneLines(const std::string& text) { return qm::SplitLines(qm::PaneCopyText(text)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  // A pane is an edit control: its text holds any bytes but NUL, and line breaks of any kind.
  std::string panes[3];
  for (std::string& pane : panes) {
    pane = in.Text();
    for (char& c : pane)
      if (c == '\0') c = in.Bool() ? '\r' : '\n';
  }
  const qm::FrameTexts t = qm::FrameTexts::Defaults();
  const std::string all = qm::JoinCrLf(qm::CopyAllLines(t, panes[0], panes[1], panes[2]));
  fuzz::CheckClipboardText(all);
  fuzz::Require(fuzz::FirstLine(all) == t.header1, "Copy All does not start with the first header line", all);
  fuzz::Require(fuzz::LastLine(all) == t.footer, "Copy All does not end with the footer line", all);

  // The sections in order, each pane's lines unchanged, an empty line after a non-empty uses or declarations pane.
  qm::Lines expected = {t.header1};
  const char* titles[2] = {"// uses clause:", "// declarations:"};
  for (int k = 0; k < 2; ++k) {
    if (panes[k].empty()) continue;
    expected.push_back(titles[k]);
    for (const std::string& line : qm::SplitLines(panes[k])) expected.push_back(line);
    expected.emplace_back();
  }
  expected.emplace_back("// implementation:");
  for (const std::string& line : qm::SplitLines(panes[2])) expected.push_back(line);
  expected.push_back(t.footer);
  fuzz::Require(qm::SplitLines(all) == expected, "Copy All's lines", all);

  // One pane: its lines, each ended by CR LF; nothing for an empty pane.
  for (const std::string& pane : panes) {
    const std::string copy = qm::PaneCopyText(pane);
    fuzz::CheckClipboardText(copy);
    fuzz::Require(PaneLines(pane) == qm::SplitLines(pane), "a pane's copy changes its lines", pane);
    if (pane.empty()) fuzz::Require(copy.empty(), "an empty pane copies something");
  }
  return 0;
}
