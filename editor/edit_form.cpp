#include "editor/edit_form.h"

#include "app/controls.h"
#include "app/form.h"
#include "app/win_util.h"
#include "resource.h"

namespace qm {

TEditForm* EditForm = nullptr;

namespace {
const char kClassName[] = "TEditForm";
}

void TEditForm::Create(HWND mainWindow) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  auto* form = new TEditForm(mainWindow);
  EditForm = form;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  form->hwnd_ = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName,
                                "Quillmark for Delphi - Code Editor", style, 0, 0, 582, 405, mainWindow, nullptr,
                                GetModuleHandleA(nullptr), form);
  form->FormCreate();
}

void TEditForm::Destroy() {
  if (!EditForm) return;
  if (EditForm->hwnd_) DestroyWindow(EditForm->hwnd_);
  delete EditForm;
  EditForm = nullptr;
}

void TEditForm::FormCreate() {
  Builder b(hwnd_);
  memUses_ = b.Memo(IDC_memUses, "", 0, 0, 10, 10, WS_VSCROLL);
  memDecl_ = b.Memo(IDC_memDecl, "", 0, 0, 10, 10, WS_VSCROLL);
  memImpl_ = b.Memo(IDC_memImpl, "", 0, 0, 10, 10, WS_VSCROLL);
  for (HWND m : {memUses_, memDecl_, memImpl_}) SendMessageA(m, WM_SETFONT, reinterpret_cast<WPARAM>(CodeFont()), 0);
  SetKeyPreview(hwnd_, nullptr);
  Layout();
}

void TEditForm::Layout() {
  RECT r;
  GetClientRect(hwnd_, &r);
  const int w = r.right;
  MoveWindow(memUses_, 0, 0, w, 60, TRUE);
  MoveWindow(memDecl_, 0, 62, w, 100, TRUE);
  MoveWindow(memImpl_, 0, 164, w, r.bottom - 164, TRUE);
}

void TEditForm::FillPanes(const Lines& uses, const Lines& decl, const Lines& impl) {
  SetText(memUses_, JoinCrLf(uses));
  SetText(memDecl_, JoinCrLf(decl));
  SetText(memImpl_, JoinCrLf(impl));
}

void TEditForm::FormShow() {
  RECT r;
  GetWindowRect(main_, &r);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetText(hwnd_, GetText(main_));
  Layout();
}

void TEditForm::ShowModal() {
  FormShow();
  modal_ = true;
  RunModal(hwnd_, main_);
  modal_ = false;
}

LRESULT CALLBACK TEditForm::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* form = reinterpret_cast<TEditForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (form && form->hwnd_ == hwnd) return form->Handle(msg, wp, lp);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT TEditForm::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL && lp == 0) {
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace qm
