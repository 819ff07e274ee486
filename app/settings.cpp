#include "app/settings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/settings_core.h"
#include "app/win_util.h"
#include "editor/edit_form.h"
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

void LoadMainSettings(TMainForm& form) {
  SettingsFile file;
  const std::int32_t left = file.ReadInteger(kPosLeft);
  const std::int32_t top = file.ReadInteger(kPosTop);
  RECT r{};
  GetWindowRect(form.hwnd(), &r);
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  const ScreenPoint at = RestoredPosition(left, top, r.right - r.left, r.bottom - r.top, monitors, PrimaryMonitor());
  SetWindowPos(form.hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  form.SelectDialogKind(DialogKindSetting(file.ReadInteger(kDlgType)));
  form.SetActivePage(file.ReadInteger(kActiveSheet));
}

void SaveMainSettings(TMainForm& form) {
  SettingsFile file;
  const RECT r = RestoredWindowRect(form.hwnd());
  file.WriteInteger(kPosLeft, r.left);
  file.WriteInteger(kPosTop, r.top);
  file.WriteInteger(kDlgType, form.FDialogKind);
  file.WriteInteger(kActiveSheet, form.ActivePage());
}

void SaveMainSettingsOnExit(TMainForm& form) {
  RunCommand(form.hwnd(), [&] { SaveMainSettings(form); });
}

void LoadEditorSettings(TEditForm& form) {
  SettingsFile file;
  const std::int32_t uses = file.ReadInteger(kUsesHt);
  const std::int32_t decl = file.ReadInteger(kDeclHt);
  const std::int32_t impl = file.ReadInteger(kImplHt);
  form.SetPaneHeights(uses, decl, impl);
}

void SaveEditorSettings(TEditForm& form) {
  SettingsFile file;
  file.WriteInteger(kUsesHt, form.UsesHeight());
  file.WriteInteger(kDeclHt, form.DeclHeight());
  file.WriteInteger(kImplHt, form.ImplHeight());
}

}  // namespace qm
