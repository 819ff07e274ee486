#include "app/presets.h"

#include <commctrl.h>

#include <algorithm>

#include "app/preset_dialog.h"
#include "app/registry.h"
#include "app/settings_core.h"
#include "app/speed_button.h"
#include "app/string_grid.h"
#include "app/text.h"
#include "app/win_util.h"
#include "resource.h"

namespace qm {

namespace {

constexpr UINT kNameStep = 0x10;  // the system uses the low four bits of a system-menu command

std::string KindPath(int kind) {
  return std::string(kSettingsKey) + "\\" + kSettingsSection + "\\" + kPresetsKey + "\\" + std::to_string(kind);
}

int Say(HWND owner, const std::string& text, UINT flags) {
  return MessageBoxW(owner, Wide(text).c_str(), L"Quillmark", flags);
}

// What a user's change would tell the panel.
void Notify(const KindPanel& panel, HWND control, int code) {
  SendMessageW(panel.panel(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

// ---- the root tree: its nodes carry their index in lParam ----
void CollectTreeItems(HWND tree, HTREEITEM item, std::vector<HTREEITEM>& items) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    items.push_back(item);
    CollectTreeItems(tree, TreeView_GetChild(tree, item), items);
  }
}
LPARAM TreeItemIndex(HWND tree, HTREEITEM item) {
  TVITEMW tv{};
  tv.mask = TVIF_PARAM | TVIF_HANDLE;
  tv.hItem = item;
  return item && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)) ? tv.lParam : -1;
}

// The arrows whose buddy the spin edit is.
HWND SpinArrows(const KindPanel& panel, HWND edit) {
  for (HWND h = GetWindow(panel.panel(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (IsWindowClass(h, UPDOWN_CLASSW) && reinterpret_cast<HWND>(SendMessageW(h, UDM_GETBUDDY, 0, 0)) == edit) return h;
  return nullptr;
}

// A speed button of a group that one toolbar draws has no window of its own: the toolbar that holds it.
HWND ToggleBar(const KindPanel& panel, const PresetField& field) {
  return field.type == PresetControl::Toggle ? SpeedBarHolding(panel.panel(), field.id) : nullptr;
}

// Checks a radio button and clears the others of its group, as a click on it does.
void CheckRadioOfGroup(HWND radio) {
  HWND first = radio;
  while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h != first && (GetWindowLongW(h, GWL_STYLE) & WS_GROUP)) break;
    const LONG type = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
    if (h != radio && IsWindowClass(h, L"Button") && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON))
      SetChecked(h, false);
  }
  SetChecked(radio, true);
}

std::string FieldText(const KindPanel& panel, const PresetField& field) {
  HWND c = panel.Item(field.id);
  switch (field.type) {
    case PresetControl::Text:
    case PresetControl::Number:
    case PresetControl::Choice:
      return GetText(c);
    case PresetControl::Check:
    case PresetControl::Radio:
      return EncodeFlag(IsChecked(c));
    case PresetControl::Toggle:
      if (HWND bar = ToggleBar(panel, field)) return EncodeFlag(IsDown(bar, field.id));
      return EncodeFlag(IsDown(c));
    case PresetControl::Grid: {
      GridCells cells;
      for (int row = 1; row < GridRowCount(c); ++row) {
        cells.emplace_back();
        for (int col = 0; col < GridColCount(c); ++col) cells.back().push_back(GetCell(c, col, row));
      }
      return EncodeGrid(cells);
    }
    case PresetControl::Tree:
      return std::to_string(TreeItemIndex(c, TreeView_GetSelection(c)));
    case PresetControl::Font:
      return panel.PresetState(field.id);
  }
  return {};
}

// Sets one control from its stored text as the user would, so that the panel's handlers run.
PresetSkip ApplyField(KindPanel& panel, const PresetField& field, const std::string& text) {
  HWND c = panel.Item(field.id);
  HWND bar = ToggleBar(panel, field);
  if (!c && !bar) return PresetSkip::UnknownName;
  switch (field.type) {
    case PresetControl::Text:
      SetText(c, text);
      // A single-line edit tells its parent itself; a memo and a combo box's edit do not when the text is set.
      if (IsWindowClass(c, L"ComboBox")) Notify(panel, c, CBN_EDITCHANGE);
      else if (GetWindowLongW(c, GWL_STYLE) & ES_MULTILINE) Notify(panel, c, EN_CHANGE);
      return PresetSkip::None;
    case PresetControl::Check:
    case PresetControl::Radio: {
      const std::optional<bool> on = DecodeFlag(text);
      if (!on) return PresetSkip::WrongType;
      if (field.type == PresetControl::Check) SetChecked(c, *on);
      else if (*on) CheckRadioOfGroup(c);
      else return PresetSkip::None;  // the group's checked button says it
      Notify(panel, c, BN_CLICKED);
      return PresetSkip::None;
    }
    case PresetControl::Toggle: {
      const std::optional<bool> down = DecodeFlag(text);
      if (!down) return PresetSkip::WrongType;
      // A click puts the button down, releasing the others of its group, or up where its group allows none down.
      // On a toolbar the click is the command the toolbar sends, from the toolbar.
      if (bar) {
        if (IsDown(bar, field.id) != *down)
          SendMessageW(panel.panel(), WM_COMMAND, MAKEWPARAM(field.id, BN_CLICKED), reinterpret_cast<LPARAM>(bar));
      } else if (IsDown(c) != *down) {
        Notify(panel, c, BN_CLICKED);
      }
      return PresetSkip::None;
    }
    case PresetControl::Choice: {
      std::vector<std::string> items;
      const LRESULT count = SendMessageW(c, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(c, CB_GETLBTEXTLEN, i, 0);
        std::wstring item(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        if (length >= 0) SendMessageW(c, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(Utf8(item.c_str()));
      }
      int index = -1;
      const PresetSkip skip = DecodeChoice(text, items, index);
      if (skip != PresetSkip::None) return skip;
      SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      Notify(panel, c, CBN_SELCHANGE);
      return PresetSkip::None;
    }
    case PresetControl::Number: {
      std::int32_t min = 0;
      std::int32_t max = 0;
      if (HWND arrows = SpinArrows(panel, c))
        SendMessageW(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
      std::int32_t value = 0;
      const PresetSkip skip = DecodeNumber(text, std::min(min, max), std::max(min, max), value);
      if (skip == PresetSkip::None) SetText(c, text);
      return skip;
    }
    case PresetControl::Grid: {
      const int cols = GridColCount(c);
      const int rows = GridRowCount(c) - 1;
      GridCells cells;
      const PresetSkip skip = DecodeGridFor(text, cols, rows, cells);
      if (skip != PresetSkip::None) return skip;
      for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
          const auto r = static_cast<std::size_t>(row);
          const auto k = static_cast<std::size_t>(col);
          SetCell(c, col, row + 1, r < cells.size() && k < cells[r].size() ? cells[r][k] : std::string());
        }
      }
      return PresetSkip::None;
    }
    case PresetControl::Tree: {
      std::vector<HTREEITEM> items;
      CollectTreeItems(c, TreeView_GetRoot(c), items);
      std::int32_t index = 0;
      const PresetSkip skip = DecodeNumber(text, -1, static_cast<std::int32_t>(items.size()) - 1, index);
      if (skip != PresetSkip::None) return skip;
      HTREEITEM chosen = nullptr;
      for (HTREEITEM item : items)
        if (TreeItemIndex(c, item) == index) chosen = item;
      if (index >= 0 && !chosen) return PresetSkip::OutOfRange;
      TreeView_SelectItem(c, chosen);
      return PresetSkip::None;
    }
    case PresetControl::Font:
      return panel.SetPresetState(field.id, text) ? PresetSkip::None : PresetSkip::WrongType;
  }
  return PresetSkip::WrongType;
}

bool PresetExists(int kind, const std::string& name) {
  return static_cast<bool>(RegKey::Open(HKEY_CURRENT_USER, (KindPath(kind) + "\\" + name).c_str(), KEY_QUERY_VALUE));
}

std::size_t PresetCount(int kind) {
  return RegKey::Open(HKEY_CURRENT_USER, KindPath(kind).c_str(), KEY_ENUMERATE_SUB_KEYS).SubkeyNames().size();
}

// A name as a menu item shows it: "&" is no accelerator, and a tab starts no right-aligned column.
std::wstring MenuText(const std::string& name) {
  std::wstring text;
  for (wchar_t ch : Wide(name)) {
    if (ch == L'&') text += L'&';
    text += ch == L'\t' ? L' ' : ch;
  }
  return text;
}

void SaveCommand(HWND owner, KindPanel& panel) {
  const int kind = panel.kind();
  PresetDialogSpec spec;
  spec.caption = "Save Preset";
  spec.prompt = "&Name of the preset:";
  spec.accept = [kind](HWND window, const std::string& name) {
    const PresetNameProblem problem = CheckPresetName(name);
    if (problem != PresetNameProblem::None) {
      Say(window, PresetNameProblemText(problem), MB_OK | MB_ICONWARNING);
      return false;
    }
    if (PresetExists(kind, name))
      return Say(window, "A preset named \"" + name + "\" exists already. Do you want to replace it?",
                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    if (PresetCount(kind) >= kMaxPresetsPerKind) {
      Say(window,
          "This dialog has " + std::to_string(kMaxPresetsPerKind) +
              " presets, as many as it can keep. Give the name of one to replace it, or delete one first.",
          MB_OK | MB_ICONWARNING);
      return false;
    }
    return true;
  };
  if (const auto name = AskPresetName(owner, spec)) SavePreset(panel, *name);
}

void DeleteCommand(HWND owner, int kind) {
  PresetDialogSpec spec;
  spec.caption = "Delete Preset";
  spec.prompt = "&Preset to delete:";
  spec.choices = PresetNames(kind);
  if (spec.choices.empty()) return;
  if (const auto name = AskPresetName(owner, spec)) DeletePreset(kind, *name);
}

}  // namespace

std::vector<std::string> PresetNames(int kind) {
  std::vector<std::string> names =
      RegKey::Open(HKEY_CURRENT_USER, KindPath(kind).c_str(), KEY_ENUMERATE_SUB_KEYS).SubkeyNames();
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Wide(a).c_str(), -1, Wide(b).c_str(), -1) ==
           CSTR_LESS_THAN;
  });
  if (names.size() > kMaxPresetsPerKind) names.resize(kMaxPresetsPerKind);
  return names;
}

void SavePreset(KindPanel& panel, const std::string& name) {
  panel.EnsureCreated();
  const std::string path = KindPath(panel.kind());
  const RegKey kindKey = RegKey::Create(HKEY_CURRENT_USER, path.c_str(), KEY_ALL_ACCESS);
  if (!kindKey) throw AppError(FormatWithName(LoadStr(IDS_CREATEKEY), path));
  // A replaced preset keeps nothing of the one before.
  kindKey.DeleteSubkey(name.c_str());
  std::string failed;
  {
    const RegKey key = RegKey::Create(kindKey.get(), name.c_str(), KEY_SET_VALUE);
    if (!key) throw AppError(FormatWithName(LoadStr(IDS_CREATEKEY), name));
    for (const PresetField& field : PresetFields(panel.kind())) {
      if (!key.WriteString(field.name, FieldText(panel, field))) {
        failed = field.name;
        break;
      }
    }
  }
  if (!failed.empty()) {
    // Half a preset would load as a different one.
    kindKey.DeleteSubkey(name.c_str());
    throw AppError(FormatWithName(LoadStr(IDS_SETDATA), failed));
  }
}

std::vector<SkippedValue> ApplyPreset(KindPanel& panel, const std::string& name) {
  panel.EnsureCreated();
  const RegKey key = RegKey::Open(HKEY_CURRENT_USER, (KindPath(panel.kind()) + "\\" + name).c_str(), KEY_QUERY_VALUE);
  if (!key) throw AppError("The preset \"" + name + "\" is no longer there");
  std::vector<StoredValue> stored;
  for (std::string& valueName : key.ValueNames()) {
    std::optional<std::string> text = key.ReadString(valueName.c_str());
    stored.push_back({std::move(valueName), std::move(text)});
  }
  PresetPlan plan = PlanPreset(panel.kind(), stored);
  for (const PresetStep& step : plan.steps) {
    const PresetSkip skip = ApplyField(panel, *step.field, step.text);
    if (skip != PresetSkip::None) plan.skipped.push_back({step.field->name, skip});
  }
  return plan.skipped;
}

void DeletePreset(int kind, const std::string& name) {
  const RegKey kindKey = RegKey::Open(HKEY_CURRENT_USER, KindPath(kind).c_str(), KEY_ALL_ACCESS);
  if (!kindKey.DeleteSubkey(name.c_str()) && PresetExists(kind, name))
    throw AppError("The preset \"" + name + "\" cannot be deleted");
}

void PresetMenu::AddTo(HMENU systemMenu) {
  menu_ = systemMenu;
  submenu_ = CreatePopupMenu();
  AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(systemMenu, MF_STRING, IDM_PRESET_SAVE, L"Save preset...");
  AppendMenuW(systemMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu_), L"Presets");
}

void PresetMenu::Fill(int kind) {
  if (!submenu_) return;
  while (GetMenuItemCount(submenu_) > 0) DeleteMenu(submenu_, 0, MF_BYPOSITION);
  kind_ = kind;
  // A stored kind that names none has no panel to save or set.
  const bool panel = !PresetFields(kind).empty();
  EnableMenuItem(menu_, IDM_PRESET_SAVE, MF_BYCOMMAND | (panel ? MF_ENABLED : MF_GRAYED));
  names_ = panel ? PresetNames(kind) : std::vector<std::string>();
  for (std::size_t i = 0; i < names_.size(); ++i)
    AppendMenuW(submenu_, MF_STRING, IDM_PRESET_FIRST + kNameStep * i, MenuText(names_[i]).c_str());
  if (names_.empty()) AppendMenuW(submenu_, MF_STRING | MF_GRAYED, 0, L"(none saved for this dialog)");
  AppendMenuW(submenu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(submenu_, MF_STRING | (names_.empty() ? MF_GRAYED : 0), IDM_PRESET_DELETE, L"Delete preset...");
}

bool PresetMenu::Handles(WPARAM id) const {
  return id == IDM_PRESET_SAVE || id == IDM_PRESET_DELETE ||
         (id >= IDM_PRESET_FIRST && id < IDM_PRESET_FIRST + kNameStep * kMaxPresetsPerKind &&
          (id - IDM_PRESET_FIRST) % kNameStep == 0);
}

void PresetMenu::Run(HWND owner, WPARAM id, KindPanel* panel) {
  if (!panel) return;
  RunCommand(owner, [&] {
    // The names are those the menu showed; a kind chosen since then has its own.
    if (kind_ != panel->kind()) Fill(panel->kind());
    if (id == IDM_PRESET_SAVE) {
      SaveCommand(owner, *panel);
    } else if (id == IDM_PRESET_DELETE) {
      DeleteCommand(owner, panel->kind());
    } else {
      const std::size_t index = (id - IDM_PRESET_FIRST) / kNameStep;
      if (index >= names_.size()) return;
      const std::vector<SkippedValue> skipped = ApplyPreset(*panel, names_[index]);
      if (!skipped.empty()) Say(owner, SkippedMessage(names_[index], skipped), MB_OK | MB_ICONWARNING);
    }
  });
  Fill(panel->kind());
}

}  // namespace qm
