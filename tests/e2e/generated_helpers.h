// What the program should copy or show for a kind's options: the core's code for the classic target (the one a first
// run writes for), in the forms the driver reads back. The whole texts are pinned by the unit tests; here only the
// wiring from the panel to the clipboard and the editor is in question.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/text.h"
#include "core/code_writer.h"
#include "core/lines.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/shell_kinds_helpers.h"

namespace e2e {

inline const qm::FrameTexts& DefaultFrame() {
  static const qm::FrameTexts texts = qm::FrameTexts::Defaults();
  return texts;
}

// A text the driver typed through the 8-bit messages, as the program hands it to the core: in UTF-8.
inline std::string CoreText(const std::string& ansi) {
  if (ansi.empty()) return ansi;
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return qm::Utf8(wide);
}

// The clipboard's 8-bit text of the code's fragment.
inline std::string CopiedText(const qm::GeneratedCode& code) { return qm::AnsiText(qm::JoinCrLf(code.fragment)); }

// A pane's 8-bit text: the editor puts each part's lines into its pane joined with CR LF.
inline std::string PaneText(const qm::Lines& part) { return qm::AnsiText(qm::JoinCrLf(part)); }

// The editor's three panes after an Edit are the code's three parts.
inline void ExpectPanes(const Panes& shown, const qm::GeneratedCode& code) {
  EXPECT_EQ(shown.uses, PaneLines(PaneText(code.uses)));
  EXPECT_EQ(shown.decl, PaneLines(PaneText(code.decl)));
  EXPECT_EQ(shown.impl, PaneLines(PaneText(code.impl)));
}

}  // namespace e2e
