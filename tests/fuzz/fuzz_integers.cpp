// The integer readers: Delphi's StrToInt rules on texts of any bytes, and the settings reader built on them (stored
// texts, the dialog-kind byte, pane heights, the error texts' name, where a stored window position goes).
#include <algorithm>
#include <optional>

#include "app/settings_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The value a text stands for by the rules, worked out digit by digit without a fixed-width type; nullopt for a text
// that is no integer or whose value does not fit 32 bits.
std::optional<std::int32_t> Expected(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return std::nullopt;
  __int128 v = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0) return std::nullopt;
    v = v * base + d;
    if (v > 0xFFFFFFFF) return std::nullopt;
  }
  // A hexadecimal number names a 32-bit pattern: $FFFFFFFF is -1.
  if (base == 16 && v > INT32_MAX) v -= static_cast<__int128>(1) << 32;
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::string text = in.Bool() ? in.Text() : std::string(in.Bool() ? " " : "") + (in.Bool() ? "-" : "") +
                                                       (in.Bool() ? "$" : "") + qm::Decimal(in.Int<std::uint32_t>());
  const std::int32_t fallback = in.Int<std::int32_t>();

  std::int32_t value = 12345;
  const bool ok = qm::StrToInt(text, value);
  const std::optional<std::int32_t> expected = Expected(text);
  fuzz::Require(ok == expected.has_value(), ok ? "StrToInt takes a text that is no integer" : "StrToInt refuses an integer", text);
  if (ok) fuzz::Require(value == *expected, "StrToInt reads another value", text);
  fuzz::Require(qm::StrToIntDef(text, fallback) == (ok ? value : fallback), "StrToIntDef and StrToInt disagree", text);

  // Every number reads back from its decimal text, and the settings write that text.
  const std::int32_t n = in.Int<std::int32_t>();
  std::int32_t back = 0;
  fuzz::Require(qm::StrToInt(qm::Decimal(n), back) && back == n, "a decimal text does not read back");
  fuzz::Require(qm::SettingText(n) == qm::Decimal(n), "the stored text of a number");
  fuzz::Require(fuzz::CanonicalDecimal(qm::SettingText(n), fuzz::kInt32Min, fuzz::kInt32Max).has_value(),
                "the stored text is no plain decimal");

  // The settings reader: a missing value or no integer gives the fallback.
  fuzz::Require(qm::SettingInteger(std::nullopt, fallback) == fallback, "a missing setting");
  fuzz::Require(qm::SettingInteger(text, fallback) == (ok ? value : fallback), "a stored setting", text);
  fuzz::Require(qm::DialogKindSetting(n) == static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) & 0xFF),
                "the dialog kind's byte");
  for (const qm::PaneLimits& limits : {qm::kUsesPaneLimits, qm::kDeclPaneLimits, qm::kImplPaneLimits}) {
    const int h = qm::ClampPaneHeight(n, limits);
    fuzz::Require(h >= limits.minHeight && h <= limits.maxHeight, "a pane height outside its limits");
    if (n >= limits.minHeight && n <= limits.maxHeight) fuzz::Require(h == n, "a pane height within its limits moved");
  }

  // An error text: the name in place of the first "%s", nothing else changed.
  const std::string format = in.Text();
  const std::string name = in.Text();
  const std::string message = qm::FormatWithName(format, name);
  const std::size_t at = format.find("%s");
  if (at == std::string::npos) fuzz::Require(message == format, "a format without %s changed", format);
  else
    fuzz::Require(message.size() == format.size() - 2 + name.size() && message.compare(0, at, format, 0, at) == 0 &&
                      message.compare(at, name.size(), name) == 0,
                  "the name is not in place of the first %s", format);

  // A stored window position: kept when the window touches a monitor, else the primary monitor's corner.
  const std::int32_t left = in.Int<std::int32_t>(), top = in.Int<std::int32_t>();
  const std::int32_t width = in.IntIn<std::int32_t>(-10, 40000), height = in.IntIn<std::int32_t>(-10, 40000);
  std::vector<qm::ScreenRect> monitors(in.IntIn<std::size_t>(0, 4));
  for (auto& m : monitors) {
    m.left = in.IntIn<std::int32_t>(-40000, 40000);
    m.top = in.IntIn<std::int32_t>(-40000, 40000);
    m.right = m.left + in.IntIn<std::int32_t>(1, 20000);
    m.bottom = m.top + in.IntIn<std::int32_t>(1, 20000);
  }
  const qm::ScreenRect primary = monitors.empty() ? qm::ScreenRect{0, 0, 1024, 768} : monitors[0];
  const qm::ScreenPoint p = qm::RestoredPosition(left, top, width, height, monitors, primary);
  bool touches = false;
  const std::int64_t r = static_cast<std::int64_t>(left) + std::max(width, 1);
  const std::int64_t b = static_cast<std::int64_t>(top) + std::max(height, 1);
  for (const auto& m : monitors) touches = touches || (left < m.right && m.left < r && top < m.bottom && m.top < b);
  if (touches) fuzz::Require(p.x == left && p.y == top, "a visible window position moved");
  else fuzz::Require(p.x == primary.left && p.y == primary.top, "a hidden window position was kept");
  return 0;
}
