#include "app/settings.h"

#include <string>
#include <vector>

#include "app/registry.h"
#include "app/settings_core.h"
#include "app/text.h"
#include "app/win_util.h"
#include "resource.h"

namespace qm {

namespace {

// The key "Software\Orvenna", opened (created when missing) for one load or save, seen as an INI file whose
// section "Quillmark" is the subkey.
class SettingsFile {
 public:
  SettingsFile() : root_(RegKey::Create(HKEY_CURRENT_USER, kSettingsKey, KEY_ALL_ACCESS)) {}

  std::int32_t ReadInteger(const Setting& setting) const {
    const RegKey section = RegKey::Open(root_.get(), kSettingsSection, KEY_QUERY_VALUE);
    return SettingInteger(section.ReadString(setting.name), setting.fallback);
  }

  bool Has(const Setting& setting) const {
    const RegKey section = RegKey::Open(root_.get(), kSettingsSection, KEY_QUERY_VALUE);
    return section && RegQueryValueExW(section.get(), Wide(setting.name).c_str(), nullptr, nullptr, nullptr,
                                       nullptr) == ERROR_SUCCESS;
  }

  void WriteInteger(const Setting& setting, std::int32_t value) const {
    const RegKey section = RegKey::Create(root_.get(), kSettingsSection, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!section) throw AppError(FormatWithName(LoadStr(IDS_CREATEKEY), kSettingsSection));
    if (!section.WriteString(setting.name, SettingText(value)))
      throw AppError(FormatWithName(LoadStr(IDS_SETDATA), setting.name));
  }

 private:
  RegKey root_;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM param) {
  reinterpret_cast<std::vector<ScreenRect>*>(param)->push_back({rect->left, rect->top, rect->right, rect->bottom});
  return TRUE;
}

ScreenRect PrimaryMonitor() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info))
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
  if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info))
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
  settings.target = file.ReadInteger(kTarget);
  settings.handleAnswer = HandleAnswerSetting(file.ReadInteger(kHandleAnswer));
  return settings;
}

void SaveMainSettings(const MainSettings& settings) {
  SettingsFile file;
  file.WriteInteger(kPosLeft, settings.position.x);
  file.WriteInteger(kPosTop, settings.position.y);
  file.WriteInteger(kDlgType, settings.dialogKind);
  file.WriteInteger(kActiveSheet, settings.activePage);
  // The target is a choice of the user's: a program that was never told one keeps the settings it always kept.
  if (settings.target != kTarget.fallback || file.Has(kTarget)) file.WriteInteger(kTarget, settings.target);
  if (settings.handleAnswer || file.Has(kHandleAnswer)) file.WriteInteger(kHandleAnswer, settings.handleAnswer ? 1 : 0);
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
