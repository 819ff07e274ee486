#include "app/settings_core.h"

#include <algorithm>

#include "core/integers.h"

namespace qm {

std::int32_t SettingInteger(const std::optional<std::string>& stored, std::int32_t fallback) {
  if (!stored) return fallback;
  return StrToIntDef(*stored, fallback);
}

std::string SettingText(std::int32_t value) { return std::to_string(value); }

std::uint8_t DialogKindSetting(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

int ClampPaneHeight(std::int32_t height, PaneLimits limits) {
  return std::clamp<std::int32_t>(height, limits.minHeight, limits.maxHeight);
}

std::string FormatWithName(std::string_view format, std::string_view name) {
  std::string out;
  const std::size_t at = format.find("%s");
  if (at == std::string_view::npos) {
    out.assign(format);
    return out;
  }
  out.reserve(format.size() + name.size());
  out.append(format.substr(0, at));
  out.append(name);
  out.append(format.substr(at + 2));
  return out;
}

ScreenPoint RestoredPosition(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                             const std::vector<ScreenRect>& monitors, const ScreenRect& primary) {
  const ScreenRect window{left, top, static_cast<std::int64_t>(left) + std::max(width, 1),
                          static_cast<std::int64_t>(top) + std::max(height, 1)};
  for (const ScreenRect& m : monitors) {
    const bool overlaps = window.left < m.right && m.left < window.right && window.top < m.bottom &&
                          m.top < window.bottom;
    if (overlaps) return {left, top};
  }
  return {static_cast<std::int32_t>(primary.left), static_cast<std::int32_t>(primary.top)};
}

}  // namespace qm
