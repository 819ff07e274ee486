#include "app/preset_dialog.h"

#include "app/builder.h"
#include "app/form.h"
#include "app/gdi_cache.h"
#include "app/text.h"
#include "app/win_util.h"
#include "app/window.h"
#include "resource.h"

namespace qm {

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 104;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

class TPresetDialog : public Window {
 public:
  explicit TPresetDialog(const PresetDialogSpec& spec) : spec_(spec) {}

  std::optional<std::string> Run(HWND owner) {
    static const WindowClass kClass{L"TPresetDialog", 0, GetSysColorBrush(COLOR_BTNFACE)};
    const int dpi = DpiOf(owner);
    const SIZE size = WindowSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, dpi);
    const int w = size.cx;
    const int h = size.cy;
    // Centred on the window that asks.
    RECT o{};
    GetWindowRect(owner, &o);
    if (!Create(kClass, kExStyle, spec_.caption, kStyle, (o.left + o.right - w) / 2, (o.top + o.bottom - h) / 2, w,
                h, owner, nullptr))
      return std::nullopt;
    SetLayoutDpi(hwnd(), dpi);
    CreateControls();
    RunModal(hwnd(), owner);
    DestroyWindow(hwnd());
    return result_;
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_COMMAND:
        // Enter and Esc come from the dialog keyboard as IDOK and IDCANCEL, as the buttons do.
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDOK) OkClick();
        else if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDCANCEL) Close();
        return 0;
      case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
      case WM_ACTIVATE:
        // The name field has the focus whenever the window comes back, also after a message about the name.
        if (LOWORD(wp) != WA_INACTIVE && input_) {
          SetFocus(input_);
          SendMessageW(input_, EM_SETSEL, 0, -1);
        }
        return 0;
      case WM_DPICHANGED:
        ApplyDpiChange(hwnd(), wp, lp);
        return 0;
      case WM_CLOSE:
        Close();
        return 0;
      default:
        return Default(msg, wp, lp);
    }
  }

 private:
  void CreateControls() {
    Builder b(hwnd());
    b.Label(IDC_lblPresetName, spec_.prompt, 12, 12, 276, 14);
    if (spec_.choices.empty()) {
      input_ = b.Edit(IDC_edtPresetName, "", 12, 30, 276, 21);
      // Longer names are refused with a message on OK; the field only keeps the text within reason.
      SendMessageW(input_, EM_LIMITTEXT, 1024, 0);
    } else {
      input_ = b.Combo(IDC_cboPresetName, 12, 30, 276, 200, false, {});
      for (const std::string& choice : spec_.choices)
        SendMessageW(input_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(choice).c_str()));
      SendMessageW(input_, CB_SETCURSEL, 0, 0);
    }
    HWND ok = b.Button(IDOK, "OK", 128, 68, 76, 25);
    SendMessageW(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    b.Button(IDCANCEL, "Cancel", 212, 68, 76, 25);
  }

  void OkClick() {
    std::string name;
    if (spec_.choices.empty()) {
      name = GetText(input_);
    } else {
      const LRESULT index = SendMessageW(input_, CB_GETCURSEL, 0, 0);
      if (index < 0 || static_cast<std::size_t>(index) >= spec_.choices.size()) return;
      name = spec_.choices[static_cast<std::size_t>(index)];
    }
    if (spec_.accept && !spec_.accept(hwnd(), name)) return;
    result_ = name;
    Close();
  }

  // The owner comes back before this window goes, so that the activation returns to it.
  void Close() {
    EnableWindow(GetWindow(hwnd(), GW_OWNER), TRUE);
    ShowWindow(hwnd(), SW_HIDE);
  }

  const PresetDialogSpec& spec_;
  HWND input_ = nullptr;
  std::optional<std::string> result_;
};

}  // namespace

std::optional<std::string> AskPresetName(HWND owner, const PresetDialogSpec& spec) {
  TPresetDialog dialog(spec);
  return dialog.Run(owner);
}

}  // namespace qm
