// Named presets: a kind panel's options kept in the registry under a name the user gives, one string value per
// control, named after the control. This half decides what is stored, how, and what of a stored preset still fits
// the panel; the Windows half (app/presets.cpp) reads and sets the controls. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/choosefont_core.h"

namespace qm {

// Below the settings' section: Presets\<kind number>\<preset name>.
inline constexpr char kPresetsKey[] = "Presets";
inline constexpr std::size_t kMaxPresetsPerKind = 100;
inline constexpr std::size_t kMaxPresetNameLength = 64;  // characters

// How a control keeps its value in a preset.
enum class PresetControl {
  Text,    // an edit, a memo or an editable combo box: its text
  Check,   // a check box: "1" or "0"
  Radio,   // a radio button: "1" for the one of its group that is checked
  Toggle,  // a speed button that stays down: "1" or "0"
  Choice,  // a drop-down list: the text of the chosen item
  Number,  // a spin edit: its number
  Grid,    // a string grid: every cell below the heading (EncodeGrid)
  Tree,    // the root tree: the index of the chosen node, -1 for none
  Font,    // the sample font the font panel keeps beside its controls (EncodeFont)
};

struct PresetField {
  const char* name;  // the control's name, which is the value's name
  int id;            // its control id
  PresetControl type;
};
// The controls of a kind's panel that a preset holds, in the order they are set when it is applied (the order of
// the panel's creation, so that a box that enables others comes before them); empty for a value that names no kind.
std::span<const PresetField> PresetFields(int kind);

enum class PresetNameProblem { None, Empty, Backslash, TooLong };
// A name is 1 to 64 characters of any kind but the backslash, which separates registry keys.
PresetNameProblem CheckPresetName(std::string_view utf8);
// What the name dialog says about the problem.
std::string PresetNameProblemText(PresetNameProblem problem);

// ---- values ----
std::string EncodeFlag(bool on);
std::optional<bool> DecodeFlag(std::string_view text);

// A grid's cells below its heading, row by row: cells separated by a tab, rows ended by a line feed, with "\\",
// "\t", "\n" and "\r" standing for a backslash, tab, line feed and carriage return in a cell, so that any text
// comes back as it was. Every row has a cell at least, as every grid has a column.
using GridCells = std::vector<std::vector<std::string>>;
std::string EncodeGrid(const GridCells& rows);
std::optional<GridCells> DecodeGrid(std::string_view text);

// The sample font as "height,color,charset,pitch,styles,face": styles adds 1 bold, 2 italic, 4 underline,
// 8 strike-out; the face name is the rest, whatever it holds.
std::string EncodeFont(const SampleFont& font);
std::optional<SampleFont> DecodeFont(std::string_view text);

// ---- applying a stored preset ----
enum class PresetSkip {
  None,
  UnknownName,  // no control of the panel has this name (a control that is gone, or one of a later version)
  WrongType,    // not a string value, or a text the control cannot hold
  OutOfRange,   // a number, item or cell that the control does not have
};

// A number for a spin edit whose arrows go from `min` to `max` (both 0: any 32-bit number).
PresetSkip DecodeNumber(std::string_view text, std::int32_t min, std::int32_t max, std::int32_t& value);
// The item of a drop-down list with exactly this text; "" with no such item chooses none (-1).
PresetSkip DecodeChoice(std::string_view text, const std::vector<std::string>& items, int& index);
// Cells that fit a grid of `cols` columns and `rows` rows below its heading; text beyond them must be empty.
PresetSkip DecodeGridFor(std::string_view text, int cols, int rows, GridCells& cells);

struct StoredValue {
  std::string name;
  std::optional<std::string> text;  // none: the value is not a string value (or could not be read as one)
};
struct PresetStep {
  const PresetField* field;
  std::string text;
};
struct SkippedValue {
  std::string name;
  PresetSkip reason;
};
struct PresetPlan {
  std::vector<PresetStep> steps;        // in the kind's field order; a control without a value is left as it is
  std::vector<SkippedValue> skipped;    // the values that are not applied, in the order they came
};
// Which stored values go to which control. Value names are matched without regard to ASCII case, as the registry
// matches them. The checks that need the control itself (ranges, items) are the Decode functions above.
PresetPlan PlanPreset(int kind, const std::vector<StoredValue>& stored);

// The one message that names the values of preset `name` that were skipped; long lists and names are cut.
std::string SkippedMessage(std::string_view name, const std::vector<SkippedValue>& skipped);

}  // namespace qm
