// Lines of text: how the program joins them for the clipboard, splits a text into them, and chains a memo's lines
// into Delphi literals. Platform-free; every layer uses it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

using Lines = std::vector<std::string>;

// Every line followed by CR LF, the last one too. A line break inside a line (CR LF, a lone CR or a lone LF) is
// written as CR LF, and a NUL inside a line is left out: the text holds no NUL and all its lines end with CR LF.
std::string JoinCrLf(const Lines& lines);

// Splits a text at its line breaks (CR LF, a lone CR or a lone LF). A final break does not start another line, so
// "a\r\n" is one line and "" is none.
Lines SplitLines(std::string_view text);

// A memo's lines as one chain of Delphi literals, without the template's outer apostrophes: the first line, then for
// each further line: apostrophe, " + #10#13 + ", apostrophe, the line. Nothing is doubled or escaped.
std::string JoinMemoLines(const Lines& lines);

}  // namespace qm
