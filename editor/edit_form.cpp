#include "editor/edit_form.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/accessible.h"
#include "app/builder.h"
#include "app/dpi.h"
#include "app/hints.h"
#include "app/panel.h"
#include "app/speed_button.h"
#include "app/text.h"
#include "app/help.h"
#include "app/settings.h"
#include "app/settings_core.h"
#include "app/gdi_cache.h"
#include "app/clipboard.h"
#include "app/win_util.h"
#include "editor/copyall_core.h"
#include "editor/pane_layout_core.h"
#include "resource.h"

namespace qm {

TEditForm* EditForm = nullptr;

namespace {

constexpr int kClientWidth = 576;   // the main window's client size
constexpr int kClientHeight = 376;
constexpr int kHeaderHeight = 26;
constexpr int kCopyButtonWidth = 27;
constexpr int kButtonWidth = 86;
constexpr int kButtonHeight = 26;
constexpr int kButtonMargin = 8;
constexpr int kBevel = 1;           // the panes' raised edge
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT;

// Header strips draw their caption as a panel does: left-justified, vertically centred, bold.
class HeaderPanel : public Panel {
 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SETTEXT) InvalidateRect(hwnd(), nullptr, TRUE);
    if (msg != WM_PAINT) return Panel::HandleMessage(msg, wp, lp);
    ScopedPaint paint(hwnd());
    HDC dc = paint.dc();
    RECT r = paint.client();
    const std::string caption = GetText(hwnd());
    {
      ScopedSelectObject font(dc, BoldFont(-13, DpiOf(hwnd())));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, Wide(caption).c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    return 0;
  }
};

int HeightOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r.bottom - r.top;
}

// Whether the control could take the focus once the form shows: it and its parents up to the form are visible and
// enabled.
bool CanFocus(HWND control, HWND form) {
  for (HWND h = control; h && h != form; h = GetParent(h)) {
    if (!(GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) || !IsWindowEnabled(h)) return false;
  }
  return control != nullptr;
}

std::string SelectedText(HWND memo) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == end) return {};
  // The selection counts UTF-16 characters of the edit's own text.
  const std::wstring text = Wide(GetText(memo));
  const std::size_t from = std::min<std::size_t>(std::min(start, end), text.size());
  const std::size_t to = std::min<std::size_t>(std::max(start, end), text.size());
  return Utf8(std::wstring_view(text).substr(from, to - from));
}

bool HasSelection(HWND memo) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start != end;
}

}  // namespace

void TEditForm::Create(HWND mainWindow) {
  static const WindowClass kClass{L"TEditForm", 0, GetSysColorBrush(COLOR_BTNFACE)};
  auto* form = new TEditForm(mainWindow);
  EditForm = form;
  const int dpi = DpiOf(mainWindow);
  const SIZE size = WindowSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, dpi);
  if (!form->Window::Create(kClass, kExStyle, "Quillmark for Delphi - Code Editor", kStyle, 0, 0, size.cx, size.cy,
                            mainWindow, nullptr)) {
    EditForm = nullptr;
    delete form;
    return;
  }
  SetLayoutDpi(form->hwnd(), dpi);
  form->CreateControls();
  form->FormCreate();
}

void TEditForm::EnsureCreated(HWND mainWindow) {
  if (!EditForm) Create(mainWindow);
}

void TEditForm::Destroy() {
  TEditForm* form = EditForm;
  if (!form) return;
  RunCommand(form->main_, [form] { form->FormDestroy(); });
  EditForm = nullptr;
  if (HWND hwnd = form->hwnd()) {
    DestroyWindow(hwnd);
  }
  // The end of the program may come while the editor is shown; its modal loop still runs on this object.
  if (form->modal_) form->destroyed_ = true;
  else delete form;
}

TEditForm::Pane TEditForm::CreatePane(int panelId, int headerId, int copyId, int memoId, const char* caption,
                                      const char* hint, int helpContext, int height) {
  const int w = kClientWidth - 2 * kEditorBorder;
  Pane p;
  // A memo that handles the dialog keyboard also posts WM_CLOSE to its parent on Esc; the pane, a plain panel,
  // ignores it, since FormKeyDown has already closed the window on that key. Passed on, it would close the editor
  // again after an Edit that came right behind the Esc.
  p.panel = CreatePanel(hwnd(), panelId, kEditorBorder, 0, w, height, Bevel::Raised, WS_CLIPCHILDREN);
  p.header = (new HeaderPanel)->Make(p.panel, headerId, kBevel, kBevel, w - 2 * kBevel, kHeaderHeight,
                                     WS_CLIPCHILDREN);
  SetText(p.header, caption);
  SpeedButtonStyle style;
  style.flat = true;
  style.pictureId = IDB_CLIPBOARD;
  p.copy = CreateSpeedButton(p.header, copyId, "", w - 2 * kBevel - kCopyButtonWidth, 0, kCopyButtonWidth,
                             kHeaderHeight, style);
  AddHint(p.copy, hint);
  SetAccessibleName(p.copy, hint);
  Builder b(p.panel);
  p.memo = b.Memo(memoId, "", kBevel, kBevel + kHeaderHeight, w - 2 * kBevel,
                  std::max(0, height - 2 * kBevel - kHeaderHeight), WS_VSCROLL);
  SendMessageW(p.memo, WM_SETFONT, reinterpret_cast<WPARAM>(CodeFont(b.dpi())), FALSE);
  SendMessageW(p.memo, EM_SETLIMITTEXT, 0, 0);  // as much text as the control can hold
  SetWindowContextHelpId(p.memo, static_cast<DWORD>(helpContext));
  // A screen reader reads the pane's caption as the name of its code.
  SetAccessibleName(p.memo, LabelName(caption));
  return p;
}

void TEditForm::CreateControls() {
  const int w = kClientWidth - 2 * kEditorBorder;
  uses_ = CreatePane(IDC_pnlUses, IDC_pnlUsesTop, IDC_btnCopyUses, IDC_memUses, " uses:",
                     "Copy To Clipboard (Ctrl+U)", 7001, usesHeight_);
  splTop_ = CreateSplitter(hwnd(), IDC_splTop, kEditorBorder, 0, w, kSplitterHeight, false, this);
  decl_ = CreatePane(IDC_pnlDecl, IDC_pnlDeclTop, IDC_btnCopyDecl, IDC_memDecl, " declarations:",
                     "Copy To Clipboard (Ctrl+D)", 7002, 140);
  splBottom_ = CreateSplitter(hwnd(), IDC_splBottom, kEditorBorder, 0, w, kSplitterHeight, true, this);
  impl_ = CreatePane(IDC_pnlImpl, IDC_pnlImplTop, IDC_btnCopyImpl, IDC_memImpl, " implementation:",
                     "Copy To Clipboard (Ctrl+I)", 7003, implHeight_);
  pnlBottom_ = CreatePanel(hwnd(), IDC_pnlBottom, kEditorBorder, 0, w, kButtonPanelHeight);
  Builder b(pnlBottom_);
  btnCopyAll_ = b.Button(IDC_btnCopyAll, "Copy All", 0, 0, kButtonWidth, kButtonHeight);
  AddHint(btnCopyAll_, "Copy All To Clipboard (Ctrl+A)");
  btnClose_ = b.Button(IDC_btnClose, "Close", 0, 0, kButtonWidth, kButtonHeight);
  AddHint(btnClose_, "Close Editor (Esc)");
  Layout();
}

// Every place and size is a design value (96 DPI), shown at the window's DPI.
void TEditForm::Move(HWND control, int x, int y, int w, int h) const {
  const int dpi = DpiOf(hwnd());
  MoveWindow(control, Scale(x, dpi), Scale(y, dpi), Scale(w, dpi), Scale(h, dpi), TRUE);
}

void TEditForm::PlacePane(const Pane& pane, int x, int y, int w, int h) const {
  Move(pane.panel, x, y, w, h);
  const int inner = std::max(0, w - 2 * kBevel);
  Move(pane.header, kBevel, kBevel, inner, kHeaderHeight);
  Move(pane.copy, std::max(0, inner - kCopyButtonWidth), 0, kCopyButtonWidth, kHeaderHeight);
  Move(pane.memo, kBevel, kBevel + kHeaderHeight, inner, std::max(0, h - 2 * kBevel - kHeaderHeight));
}

// Top-aligned: the uses pane and the upper splitter; bottom-aligned from the bottom up: the button panel, the
// implementation pane and the lower splitter; the declarations pane in between.
void TEditForm::Layout() {
  if (!pnlBottom_) return;
  const RECT rc = DesignClient();
  const int x = kEditorBorder;
  const int w = std::max(0, static_cast<int>(rc.right) - 2 * kEditorBorder);
  const PaneHeights h = FitPanes(usesHeight_, implHeight_, PaneSpace(rc.bottom));
  usesHeight_ = h.uses;
  implHeight_ = h.impl;

  int y = kEditorBorder;
  PlacePane(uses_, x, y, w, h.uses);
  y += h.uses;
  Move(splTop_, x, y, w, kSplitterHeight);
  y += kSplitterHeight;
  PlacePane(decl_, x, y, w, h.decl);

  const int buttonsTop = rc.bottom - kEditorBorder - kButtonPanelHeight;
  Move(pnlBottom_, x, buttonsTop, w, kButtonPanelHeight);
  const int buttonTop = (kButtonPanelHeight - kButtonHeight) / 2;
  Move(btnClose_, w - kButtonMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
  Move(btnCopyAll_, w - 2 * (kButtonMargin + kButtonWidth), buttonTop, kButtonWidth, kButtonHeight);
  PlacePane(impl_, x, buttonsTop - h.impl, w, h.impl);
  Move(splBottom_, x, buttonsTop - h.impl - kSplitterHeight, w, kSplitterHeight);
}

RECT TEditForm::DesignClient() const {
  RECT rc;
  GetClientRect(hwnd(), &rc);
  const int dpi = DpiOf(hwnd());
  return RECT{0, 0, Unscale(rc.right, dpi), Unscale(rc.bottom, dpi)};
}

// In design pixels, as the settings keep them.
int TEditForm::UsesHeight() const { return Unscale(HeightOf(uses_.panel), DpiOf(hwnd())); }
int TEditForm::DeclHeight() const { return Unscale(HeightOf(decl_.panel), DpiOf(hwnd())); }
int TEditForm::ImplHeight() const { return Unscale(HeightOf(impl_.panel), DpiOf(hwnd())); }

void TEditForm::SetPaneHeights(int uses, int decl, int impl) {
  // The declarations pane takes what the others leave, so its own stored height only counts through its limits.
  (void)decl;
  usesHeight_ = ClampPaneHeight(uses, kUsesPaneLimits);
  implHeight_ = ClampPaneHeight(impl, kImplPaneLimits);
  Layout();
}

void TEditForm::FillPanes(const Lines& uses, const Lines& decl, const Lines& impl, TCodeTarget target) {
  target_ = target;
  SetText(uses_.memo, "");
  SetText(decl_.memo, "");
  SetText(impl_.memo, "");
  SetText(uses_.memo, JoinCrLf(uses));
  SetText(decl_.memo, JoinCrLf(decl));
  SetText(impl_.memo, JoinCrLf(impl));
}

void TEditForm::FormCreate() {
  const RECT main = RestoredWindowRect(main_);
  maxHeight_ = main.bottom - main.top;
  const PaneHeightSettings heights = LoadEditorSettings();
  SetPaneHeights(heights.uses, heights.decl, heights.impl);
  splBottomMoved();
}

void TEditForm::FormShow(const std::string& captionSuffix) {
  const RECT r = RestoredWindowRect(main_);
  SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetText(hwnd(), GetText(main_) + captionSuffix);
  if (CanFocus(impl_.memo, hwnd())) {
    lastFocus_ = impl_.memo;  // takes the focus when the window becomes active
    for (HWND memo : {impl_.memo, decl_.memo, uses_.memo}) {
      SendMessageW(memo, EM_SETSEL, 0, 0);
      SendMessageW(memo, EM_SCROLLCARET, 0, 0);
    }
  }
}

void TEditForm::FormDestroy() { SaveEditorSettings({UsesHeight(), DeclHeight(), ImplHeight()}); }

void TEditForm::ShowModal(const std::string& captionSuffix) {
  if (!hwnd() || modal_) return;
  FormShow(captionSuffix);
  modal_ = true;
  RunModal(hwnd(), main_);
  modal_ = false;
  if (destroyed_) delete this;
}

void TEditForm::btnCloseClick() {
  if (!hwnd() || !IsWindowVisible(hwnd())) return;
  // The main window comes back before this one goes, so that the activation returns to it.
  EnableWindow(main_, TRUE);
  ShowWindow(hwnd(), SW_HIDE);
}

void TEditForm::FormKeyDown(WPARAM key) {
  if (key == VK_ESCAPE) {
    btnCloseClick();
    return;
  }
  if (!CtrlHeld()) return;
  switch (key) {
    case 'A': btnCopyAllClick(); break;
    case 'D': btnCopyDeclClick(); break;
    case 'I': btnCopyImplClick(); break;
    case 'U': btnCopyUsesClick(); break;
    default: break;
  }
}

void TEditForm::splBottomMoved() {
  // The button panel stays the lowest of the bottom-aligned controls.
  Layout();
}

void TEditForm::CopyPane(HWND memo) {
  RunCommand(hwnd(), [&] {
    PutClipboardText(hwnd(), HasSelection(memo) ? SelectedText(memo) : PaneCopyText(GetText(memo)));
  });
}

void TEditForm::btnCopyUsesClick() { CopyPane(uses_.memo); }
void TEditForm::btnCopyDeclClick() { CopyPane(decl_.memo); }
void TEditForm::btnCopyImplClick() { CopyPane(impl_.memo); }

void TEditForm::btnCopyAllClick() {
  RunCommand(hwnd(), [&] {
    FrameTexts texts = LoadFrameTexts();
    texts.header1 = texts.Header1(target_);
    const Lines lines = CopyAllLines(texts, GetText(uses_.memo), GetText(decl_.memo), GetText(impl_.memo));
    PutClipboardText(hwnd(), JoinCrLf(lines));
  });
}

// A click on a pane's copy button leaves the typing where it was.
void TEditForm::KeepMemoFocus() {
  HWND focus = GetFocus();
  if (focus && IsSpeedButton(focus) && lastFocus_ && IsWindow(lastFocus_) && !IsSpeedButton(lastFocus_))
    SetFocus(lastFocus_);
}

void TEditForm::SplitterBegin(int id) { dragStart_ = id == IDC_splTop ? usesHeight_ : implHeight_; }

void TEditForm::SplitterDrag(int id, int delta) {
  const int space = PaneSpace(DesignClient().bottom);
  delta = Unscale(delta, DpiOf(hwnd()));
  if (id == IDC_splTop) {
    const HeightRange range = UsesDragRange(usesHeight_, implHeight_, space);
    usesHeight_ = std::clamp(dragStart_ + delta, range.min, range.max);
  } else {
    // The lower splitter sits above the implementation pane: moving it down makes the pane smaller.
    const HeightRange range = ImplDragRange(usesHeight_, implHeight_, space);
    implHeight_ = std::clamp(dragStart_ - delta, range.min, range.max);
  }
  Layout();
}

void TEditForm::SplitterEnd(int id) {
  if (id == IDC_splBottom) splBottomMoved();
}

void TEditForm::OnCommand(int id, int code, HWND control) {
  if (!control) {
    if (id == IDCANCEL) btnCloseClick();  // Esc on a button, from the dialog keyboard
    return;
  }
  if (code == EN_SETFOCUS) {
    lastFocus_ = control;
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_btnCopyUses:
      btnCopyUsesClick();
      KeepMemoFocus();
      break;
    case IDC_btnCopyDecl:
      btnCopyDeclClick();
      KeepMemoFocus();
      break;
    case IDC_btnCopyImpl:
      btnCopyImplClick();
      KeepMemoFocus();
      break;
    case IDC_btnCopyAll: btnCopyAllClick(); break;
    case IDC_btnClose: btnCloseClick(); break;
    default: break;
  }
}

LRESULT TEditForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_DPICHANGED: {
      const auto* r = reinterpret_cast<const RECT*>(lp);
      maxHeight_ = std::max(maxHeight_, static_cast<int>(r->bottom - r->top));
      ApplyDpiChange(hwnd(), wp, lp);
      Layout();
      return 0;
    }
    case WM_GETMINMAXINFO:
      if (maxHeight_ > 0) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMaxTrackSize.y = maxHeight_;
        info->ptMaxSize.y = std::min<LONG>(info->ptMaxSize.y, maxHeight_);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus) && !IsSpeedButton(focus)) lastFocus_ = focus;
      } else if (!HIWORD(wp)) {
        HWND focus = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd(), lastFocus_) ? lastFocus_ : impl_.memo;
        SetFocus(focus);
      }
      return 0;
    case WM_CLOSE:
      btnCloseClick();
      return 0;
    case WM_HELP:
      ShowContextHelp(hwnd(), reinterpret_cast<HELPINFO*>(lp));
      return TRUE;
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleSpeedButtons(msg, wp, lp, result)) return result;
  return Default(msg, wp, lp);
}

}  // namespace qm
