#include "app/settings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_core.h"
#include "app/win_util.h"
#include "resource.h"

namespace qm {

namespace {

// The key "Software\Orvenna", opened (created when missing) for one load or save, seen as an INI file whose
// section "Quillmark" is the subkey.
class SettingsFile {
 public:
  static constexpr DWORD kLongestText = 1 << 20;

  SettingsFile() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS)
      root_.reset(key);
  }

  std::int32_t ReadInteger(const Setting& setting) const {
    return SettingInteger(ReadString(setting.name), setting.fallback);
  }

  void WriteInteger(const Setting& setting, std::int32_t value) const {
    HKEY key = nullptr;
    if (!root_ || RegCreateKeyExA(root_.get(), kSettingsSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
      throw AppError(FormatWithName(LoadStr(IDS_CREATEKEY), kSettingsSection));
    ScopedRegKey section(key);
    const std::string text = SettingText(value);
    if (RegSetValueExA(section.get(), setting.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
      throw AppError(FormatWithName(LoadStr(IDS_SETDATA), setting.name));
  }

 private:
  // The value's text; nothing when the section or the value is missing, or the value is not a string.
  std::optional<std::string> ReadString(const char* name) const {
    if (!root_) return std::nullopt;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_.get(), kSettingsSection, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    ScopedRegKey section(key);
    // The value may change between asking for its size and reading it: ask again while it grows.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD size = 0;
      if (RegQueryValueExA(section.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
      if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
      // A text this long is no number anyone stored; it gets the default without being loaded.
      if (size > kLongestText) return std::nullopt;
      std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
      DWORD got = size;
      LONG rc = RegQueryValueExA(section.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
      if (rc == ERROR_MORE_DATA) continue;
      if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
      // The stored text need not end with a NUL; it ends at the first one.
      buffer.resize(std::min<std::size_t>(got, size));
      const std::size_t nul = buffer.find('\0');
      if (nul != std::string::npos) buffer.resize(nul);
      return buffer;
    }
    return std::nullopt;
  }

  ScopedRegKey root_;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM param) {
  reinterpret_cast<std::vector<ScreenRect>*>(param)->push_back({rect->left, rect->top, rect->right, rect->bottom});
  return TRUE;
}

ScreenRect PrimaryMonitor() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info))
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

RECT RestoredWindowRect(HWND window) {
  RECT r{};
  if (!IsIconic(window)) {
    GetWindowRect(window, &r);
    return r;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  r = placement.rcNormalPosition;
  // The restored rectangle is given in work-area coordinates.
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info))
    OffsetRect(&r, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
  return r;
}

MainSettings LoadMainSettings(SIZE size) {
  SettingsFile file;
  const std::int32_t left = file.ReadInteger(kPosLeft);
  const std::int32_t top = file.ReadInteger(kPosTop);
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  const ScreenPoint at = RestoredPosition(left, top, size.cx, size.cy, monitors, PrimaryMonitor());
  MainSettings settings{};
  settings.position = POINT{at.x, at.y};
  settings.dialogKind = DialogKindSetting(file.ReadInteger(kDlgType));
  settings.activePage = file.ReadInteger(kActiveSheet);
  return settings;
}

void SaveMainSettings(const MainSettings& settings) {
  SettingsFile file;
  file.WriteInteger(kPosLeft, settings.position.x);
  file.WriteInteger(kPosTop, settings.position.y);
  file.WriteInteger(kDlgType, settings.dialogKind);
  file.WriteInteger(kActiveSheet, settings.activePage);
}

PaneHeightSettings LoadEditorSettings() {
  SettingsFile file;
  PaneHeightSettings heights{};
  heights.uses = file.ReadInteger(kUsesHt);
  heights.decl = file.ReadInteger(kDeclHt);
  heights.impl = file.ReadInteger(kImplHt);
  return heights;
}

void SaveEditorSettings(const PaneHeightSettings& heights) {
  SettingsFile file;
  file.WriteInteger(kUsesHt, heights.uses);
  file.WriteInteger(kDeclHt, heights.decl);
  file.WriteInteger(kImplHt, heights.impl);
}

}  // namespace qm
