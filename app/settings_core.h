// The settings kept between runs: where they live, their names and defaults, how a stored text becomes a number,
// and the limits that apply to what is read back. Platform-free.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// HKEY_CURRENT_USER\Software\Orvenna, read like an INI file whose only section is the subkey "Quillmark".
inline constexpr char kSettingsKey[] = "Software\\Orvenna";
inline constexpr char kSettingsSection[] = "Quillmark";

struct Setting {
  const char* name;
  std::int32_t fallback;  // used when the value is missing or holds no integer
};
inline constexpr Setting kPosLeft{"PosLeft", 0};
inline constexpr Setting kPosTop{"PosTop", 0};
inline constexpr Setting kDlgType{"DlgType", 0};
inline constexpr Setting kActiveSheet{"ActiveSheet", 0};
inline constexpr Setting kUsesHt{"UsesHt", 60};
inline constexpr Setting kDeclHt{"DeclHt", 100};
inline constexpr Setting kImplHt{"ImplHt", 140};
// The compiler the code is written for: 0 Delphi up to 2007, 1 Delphi 2009 and later, 2 Free Pascal.
inline constexpr Setting kTarget{"Target", 0};
// Whether the code handles the user's answer: "1" is on; missing or any other value is off.
inline constexpr Setting kHandleAnswer{"HandleAnswer", 0};
inline bool HandleAnswerSetting(std::int32_t value) { return value == 1; }

// The number a stored value stands for. `stored` is empty when the value is missing or is not a string value;
// a text that is no integer by Delphi's StrToInt rules gives the fallback as well.
std::int32_t SettingInteger(const std::optional<std::string>& stored, std::int32_t fallback);
// What is written: the decimal text of the number.
std::string SettingText(std::int32_t value);

// DlgType is read into a one-byte dialog kind: only its low byte counts (-1 is 255, 256 is 0).
std::uint8_t DialogKindSetting(std::int32_t value);

// The editor's panes keep their heights within these limits whatever the registry says.
struct PaneLimits {
  int minHeight;
  int maxHeight;
};
inline constexpr PaneLimits kUsesPaneLimits{60, 120};
inline constexpr PaneLimits kDeclPaneLimits{80, 140};
inline constexpr PaneLimits kImplPaneLimits{100, 180};
int ClampPaneHeight(std::int32_t height, PaneLimits limits);

// An error text of the string table ("Failed to create key %s") with the name in place of its first "%s".
// Nothing else in the format or the name is interpreted.
std::string FormatWithName(std::string_view format, std::string_view name);

// Screen rectangles in pixels; 64-bit, so that any stored position plus the window's size stays exact.
struct ScreenRect {
  std::int64_t left;
  std::int64_t top;
  std::int64_t right;
  std::int64_t bottom;
};
struct ScreenPoint {
  std::int32_t x;
  std::int32_t y;
};
// Where the main window goes for a stored position: exactly there when any part of the window would lie on one of
// the monitors (a window partly off the screen stays where it was put), otherwise at the top left of the primary
// monitor, so that a position saved on a screen that is no longer attached cannot hide the window.
ScreenPoint RestoredPosition(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                             const std::vector<ScreenRect>& monitors, const ScreenRect& primary);

}  // namespace qm
