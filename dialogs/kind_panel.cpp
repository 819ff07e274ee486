#include "dialogs/kind_panel.h"

#include "app/accessible.h"
#include "app/speed_button.h"
#include "app/string_grid.h"
#include "app/text.h"

namespace qm {

void KindPanel::EnsureCreated() {
  if (created_ || !hwnd()) return;
  created_ = true;
  Builder b(hwnd());
  CreateControls(b);
  NameControls(hwnd());
}

void KindPanel::Test() {
  EnsureCreated();
  EnsureOle();
  ShowDialog();
}

namespace {
// The texts a field holds: one for an edit or a combo box, every cell below the heading for a grid.
std::vector<std::string> FieldTexts(HWND field) {
  std::vector<std::string> texts;
  if (IsStringGrid(field)) {
    for (int row = 1; row < GridRowCount(field); ++row)
      for (int col = 0; col < GridColCount(field); ++col) texts.push_back(GetCell(field, col, row));
  } else if (IsWindowClass(field, L"Edit") || IsWindowClass(field, L"ComboBox")) {
    texts.push_back(GetText(field));
  }
  return texts;
}
}  // namespace

void KindPanel::CheckAnsiTexts() const {
  for (HWND field = GetWindow(hwnd(), GW_CHILD); field; field = GetWindow(field, GW_HWNDNEXT)) {
    for (const std::string& text : FieldTexts(field)) {
      const std::string outside = FirstCharacterOutside(text);
      if (!outside.empty())
        throw AppError("The text of \"" + FieldLabel(field) + "\" holds \"" + outside +
                       "\", which Delphi before 2009 cannot hold in a string literal");
    }
  }
}

LRESULT KindPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (OnMessage(msg, wp, lp, result)) return result;
  if (msg == WM_COMMAND) {
    HandleSpeedButtons(msg, wp, lp, result);  // speed-button grouping first
    OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
    return 0;  // a panel's commands concern only its own kind
  }
  if (msg == WM_NOTIFY && OnNotify(reinterpret_cast<NMHDR*>(lp), result)) return result;
  return Panel::HandleMessage(msg, wp, lp);
}

}  // namespace qm
