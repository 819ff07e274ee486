// What the code editor's copy commands put on the clipboard. Platform-free.
#pragma once

#include <string>
#include <string_view>

#include "core/code_writer.h"

namespace qm {

// One pane copied with nothing selected: its lines, each ended by CR LF. A pane's lines are the lines of its text,
// broken only where the text has line breaks (never where the pane wraps a long line on screen); an empty pane
// gives an empty text.
std::string PaneCopyText(std::string_view paneText);

// Copy All: the first header line; "// uses clause:", the uses lines and an empty line when the uses pane holds any
// text; the same with "// declarations:" for the declarations pane; "// implementation:" and the implementation
// lines; the footer line. Selections play no part.
Lines CopyAllLines(const FrameTexts& texts, std::string_view uses, std::string_view decl, std::string_view impl);

}  // namespace qm
