#include "app/main_form.h"

#include <shellapi.h>

#include <cstdio>

#include "app/help.h"
#include "app/settings.h"
#include "app/win_util.h"
#include "about/about_box.h"
#include "editor/edit_form.h"
#include "resource.h"

namespace qm {

TMainForm* MainForm = nullptr;

namespace {

const char kClassName[] = "TMainForm";
constexpr int kClientWidth = 576;
constexpr int kClientHeight = 376;
constexpr UINT kCreateEditorMessage = WM_APP + 1;

struct KindInfo {
  TDialogKind kind;
  int page;
  int buttonId;
  int left;
  const char* hint;
  const char* captionName;
  int panelId;
  int pictureId;
};

const KindInfo kKinds[] = {
    {dkMessageBox, 0, IDC_tbnMessageBox, 50, "MessageBox", "MessageBox", IDC_pnlMessageBox, IDB_MESSAGEBOX},
    {dkOpenFile, 0, IDC_tbnOpenDlg, 90, "GetOpenFileName", "GetOpenFileName", IDC_pnlOpenDlg, IDB_OPENDLG},
    {dkSaveFile, 0, IDC_tbnSaveDlg, 130, "GetSaveFileName", "GetSaveFileName", IDC_pnlSaveDlg, IDB_SAVEDLG},
    {dkChooseColor, 0, IDC_tbnColorDlg, 170, "ChooseColor", "ChooseColor", IDC_pnlColorDlg, IDB_COLORDLG},
    {dkChooseFont, 0, IDC_tbnFontDlg, 210, "ChooseFont", "ChooseFont", IDC_pnlFontDlg, IDB_FONTDLG},
    {dkPrint, 0, IDC_tbnPrintDlg, 250, "PrintDlg", "PrintDlg", IDC_pnlPrintDlg, IDB_PRINTDLG},
    {dkBrowseForFolder, 1, IDC_tbnBrowseForFolder, 50, "SHBrowseForFolder", "SHBrowseForFolder",
     IDC_pnlBrowseForFolder, IDB_BROWSEFORFOLDER},
    {dkRunFile, 1, IDC_tbnRunDlg, 88, "SHRunFileDlg", "SHRunFile", IDC_pnlRunDlg, IDB_RUNDLG},
    {dkFormatDrive, 1, IDC_tbnFormatDrive, 127, "SHFormatDrive", "SHFormatDrive", IDC_pnlFormatDrive,
     IDB_FORMATDRIVE},
    {dkShellAbout, 1, IDC_tbnAbout, 166, "SHAbout", "SHAbout", IDC_pnlAbout, IDB_SHABOUT},
    {dkPickIcon, 1, IDC_tbnIconDlg, 205, "SHPickIcon", "SHPickIcon", IDC_pnlIconDlg, IDB_ICONDLG},
    {dkFileOperation, 1, IDC_tbnFileOp, 243, "SHFileOperation", "SHFileOperation", IDC_pnlFileOp, IDB_FILEOP},
};

const KindInfo* FindKind(int kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

const KindInfo* FindKindByButton(int id) {
  for (const auto& k : kKinds)
    if (k.buttonId == id) return &k;
  return nullptr;
}

struct CommandInfo {
  int id;
  int top;
  const char* caption;
  const char* hint;
  int pictureId;
};

const CommandInfo kCommands[] = {
    {IDC_btnTest, 80, "Test", "Test Dialog (Ctrl+T)", IDB_TEST},
    {IDC_btnCopy, 120, "Copy", "Copy to Clipboard (Ctrl+C)", IDB_COPY},
    {IDC_btnEdit, 160, "Edit", "Edit Code (Ctrl+E)", IDB_EDIT},
    {IDC_btnReset, 216, "Reset", "Reset to Default", IDB_RESET},
    {IDC_btnMinimize, 256, "Minimize", "Minimize Quillmark (Esc)", IDB_MINIMIZE},
    {IDC_btnHelp, 296, "Help", "Help Topics", IDB_HELP},
    {IDC_btnAbout, 336, "About ...", "About Quillmark for Delphi", IDB_ABOUT},
};

std::unique_ptr<KindPanel> MakePanel(int kind) {
  switch (kind) {
    case dkMessageBox: return MakeMessageBoxPanel();
    case dkBrowseForFolder: return MakeBrowseForFolderPanel();
    case dkRunFile: return MakeRunDlgPanel();
    case dkFormatDrive: return MakeFormatDrivePanel();
    case dkShellAbout: return MakeShellAboutPanel();
    case dkPickIcon: return MakeIconDlgPanel();
    case dkOpenFile: return MakeOpenDlgPanel();
    case dkSaveFile: return MakeSaveDlgPanel();
    case dkChooseColor: return MakeColorDlgPanel();
    case dkPrint: return MakePrintDlgPanel();
    case dkChooseFont: return MakeFontDlgPanel();
    case dkFileOperation: return MakeFileOpPanel();
    default: return nullptr;
  }
}

}  // namespace

HWND MainWindow() { return MainForm ? MainForm->hwnd() : nullptr; }
KindPanel* CurrentKindPanel() { return MainForm ? MainForm->Panel(MainForm->FDialogKind) : nullptr; }

TMainForm* TMainForm::Create(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUILLMARK));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);

  auto* form = new TMainForm;
  MainForm = form;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  // The design position; the settings load replaces it before the window is shown.
  form->hwnd_ = CreateWindowExA(exStyle, kClassName, "Quillmark for Delphi", style, 244, 175, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, instance, form);
  if (!form->hwnd_) {
    MainForm = nullptr;
    delete form;
    return nullptr;
  }
  form->CreateControls();
  LoadMainSettings(*form);
  form->CreateFrontPanel();
  form->FormCreate();
  SetKeyPreview(form->hwnd_, form);
  ShowWindow(form->hwnd_, SW_SHOW);
  UpdateWindow(form->hwnd_);
  // The code editor, hidden, comes right after: from the message loop, so that the main window answers as soon as it
  // is on the screen. A command that needs the editor before that creates it at once.
  PostMessageA(form->hwnd_, kCreateEditorMessage, 0, 0);
  return form;
}

TMainForm::~TMainForm() {
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::CreateControls() {
  panel2_ = CreatePanel(hwnd_, IDC_Panel2, 0, 0, kClientWidth, kClientHeight, Bevel::Lowered, this,
                        WS_CLIPCHILDREN);

  pageControl_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_HOTTRACK |
                                     TCS_MULTILINE, 1, 1, kClientWidth - 2, 61, panel2_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PageControl)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(pageControl_, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
  const char* pageCaptions[2] = {"Standard Dialogs", "Shell Dialogs"};
  for (int i = 0; i < 2; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(pageCaptions[i]);
    SendMessageA(pageControl_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  RECT page{0, 0, kClientWidth - 2, 61};
  SendMessageA(pageControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  const int pageIds[2] = {IDC_Standard, IDC_Shell};
  for (int i = 0; i < 2; ++i) {
    pages_[i] = CreatePanel(panel2_, pageIds[i], 1 + page.left, 1 + page.top, page.right - page.left,
                            page.bottom - page.top, Bevel::None, nullptr, 0);
    SetWindowPos(pages_[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }

  SpeedButtonStyle kindStyle;
  kindStyle.flat = true;
  kindStyle.group = 35;
  kindStyle.pictureId = IDB_ARROW;
  Builder standard(pages_[0]);
  AddHint(standard.Speed(IDC_tbnArrow1, "", 3, 2, 32, 28, kindStyle), "");
  Builder shell(pages_[1]);
  kindStyle.group = 36;
  shell.Speed(IDC_tbnArrow2, "", 3, 2, 32, 28, kindStyle);
  for (const auto& k : kKinds) {
    kindStyle.group = k.page == 0 ? 35 : 36;
    kindStyle.pictureId = k.pictureId;
    Builder b(pages_[k.page]);
    HWND button = b.Speed(k.buttonId, "", k.left, 2, 32, 28, kindStyle);
    AddHint(button, k.hint);
  }
  // Design state: the message-box button and the placeholder of the shell page are down.
  SetDown(FindControl(pages_[0], IDC_tbnMessageBox), true);
  SetDown(FindControl(pages_[1], IDC_tbnArrow2), true);

  background_ = CreatePanel(panel2_, IDC_pnlBackgrnd, 1, 62, 452, 313, Bevel::None, nullptr, WS_CLIPCHILDREN);
  for (const auto& k : kKinds) {
    auto panel = MakePanel(k.kind);
    // No WS_CLIPCHILDREN: group boxes are transparent and show the panel's own background.
    HWND window = CreatePanel(background_, k.panelId, 0, 0, 452, 313, Bevel::None, nullptr, 0);
    panel->Attach(window, hwnd_);
    panels_[k.kind] = std::move(panel);
  }

  SpeedButtonStyle commandStyle;
  commandStyle.margin = 16;
  commandStyle.spacing = 8;
  for (const auto& c : kCommands) {
    commandStyle.pictureId = c.pictureId;
    HWND button = CreateSpeedButton(panel2_, c.id, c.caption, 467, c.top, 99, 31, commandStyle);
    AddHint(button, c.hint);
  }
  // The form definition shows the shell page until the settings say otherwise.
  SetActivePage(1);
}

void TMainForm::FormCreate() {
  // The controls that FormCreate fills (drive list, grid headers, the Run dialog's description) belong to panels that
  // are created on first use; each panel writes those values itself when its controls are created.
}

KindPanel* TMainForm::Panel(int kind) const {
  if (kind < 0 || kind >= static_cast<int>(panels_.size())) return nullptr;
  return panels_[static_cast<std::size_t>(kind)].get();
}

void TMainForm::SelectDialogKind(int kind) {
  if (const KindInfo* k = FindKind(kind)) {
    char caption[128];
    std::snprintf(caption, sizeof caption, "Quillmark for Delphi - [%s]", k->captionName);
    SetWindowTextA(hwnd_, caption);
    KindPanel* panel = Panel(kind);
    panel->EnsureCreated();
    // Only the panel that was current is enabled; disabling the others again would send each a WM_CANCELMODE.
    for (const auto& other : kKinds) {
      HWND window = Panel(other.kind)->panel();
      if (other.kind != kind && IsWindowEnabled(window)) EnableWindow(window, FALSE);
    }
    EnableWindow(panel->panel(), TRUE);
    SetWindowPos(panel->panel(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetDown(FindControl(pages_[1 - k->page], k->page == 0 ? IDC_tbnArrow2 : IDC_tbnArrow1), true);
    HWND own = FindControl(pages_[k->page], k->buttonId);
    if (!IsDown(own)) SetDown(own, true);
  }
  FDialogKind = static_cast<std::uint8_t>(kind);
  if (KindPanel* fileOp = Panel(dkFileOperation)) fileOp->OnSelected(kind == dkFileOperation);
}

// A stored kind that names none leaves the panels as the form definition stacks them; the one in front, the message
// box's, shows its controls all the same.
void TMainForm::CreateFrontPanel() {
  HWND front = GetWindow(background_, GW_CHILD);
  for (const auto& k : kKinds) {
    KindPanel* panel = Panel(k.kind);
    if (panel->panel() == front) panel->EnsureCreated();
  }
}

int TMainForm::ActivePage() const {
  for (int i = 0; i < 2; ++i)
    if (IsWindowVisible(pages_[i])) return i;
  return -1;
}

void TMainForm::SetActivePage(int index) {
  SendMessageA(pageControl_, TCM_SETCURSEL, (index == 0 || index == 1) ? index : -1, 0);
  ShowPage(index);
}

void TMainForm::ShowPage(int index) {
  for (int i = 0; i < 2; ++i) ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
}

void TMainForm::RunBuilder(TBuildMode mode) {
  if (KindPanel* panel = Panel(FDialogKind)) {
    if (FindKind(FDialogKind)) panel->Run(mode);
  }
}

void TMainForm::btnTestClick() { RunCommand(hwnd_, [&] { RunBuilder(bmTest); }); }
void TMainForm::btnCopyClick() { RunCommand(hwnd_, [&] { RunBuilder(bmCopy); }); }
void TMainForm::btnEditClick() {
  TEditForm::EnsureCreated(hwnd_);
  RunCommand(hwnd_, [&] { RunBuilder(bmEdit); });
  if (EditForm) EditForm->ShowModal();
}
void TMainForm::btnResetClick() {
  RunCommand(hwnd_, [&] {
    if (KindPanel* panel = Panel(FDialogKind)) {
      if (FindKind(FDialogKind)) {
        panel->EnsureCreated();
        panel->Reset();
      }
    }
  });
}
void TMainForm::btnMinimizeClick() { ShowWindow(hwnd_, SW_MINIMIZE); }
void TMainForm::btnHelpClick() { RunCommand(hwnd_, [&] { OpenHelp(hwnd_, 1); }); }
void TMainForm::btnAboutClick() { RunCommand(hwnd_, [&] { ShowAboutBox(hwnd_); }); }

void TMainForm::FormKeyDown(WPARAM key) {
  if (!IsWindowEnabled(hwnd_)) return;  // a modal window of ours is open
  if (key == VK_ESCAPE) {
    btnMinimizeClick();
    return;
  }
  if (!CtrlHeld()) return;
  if (key == 'T') btnTestClick();
  else if (key == 'C') btnCopyClick();
  else if (key == 'E') btnEditClick();
}

void TMainForm::OnCommand(int id) {
  if (const KindInfo* k = FindKindByButton(id)) {
    SelectDialogKind(k->kind);
    return;
  }
  switch (id) {
    case IDC_btnTest: btnTestClick(); break;
    case IDC_btnCopy: btnCopyClick(); break;
    case IDC_btnEdit: btnEditClick(); break;
    case IDC_btnReset: btnResetClick(); break;
    case IDC_btnMinimize: btnMinimizeClick(); break;
    case IDC_btnHelp: btnHelpClick(); break;
    case IDC_btnAbout: btnAboutClick(); break;
    default: break;  // the placeholders only go down
  }
}

bool TMainForm::HandleMessage(HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // Messages of Panel2 and everything below it that no panel handled.
  if (msg == WM_COMMAND) {
    HandleContainerMessage(panel2_, msg, wp, lp, result);
    if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
    result = 0;
    return true;
  }
  if (msg == WM_NOTIFY) {
    auto* nm = reinterpret_cast<NMHDR*>(lp);
    if (nm->idFrom == IDC_PageControl && nm->code == TCN_SELCHANGE) {
      ShowPage(static_cast<int>(SendMessageA(pageControl_, TCM_GETCURSEL, 0, 0)));
      result = 0;
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK TMainForm::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (form && form->hwnd_ == hwnd) return form->Handle(msg, wp, lp);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT TMainForm::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND:
      // IDOK and IDCANCEL from the dialog keyboard (Enter, Esc) have no meaning here.
      if (lp == 0) return 0;
      break;
    case WM_NEXTDLGCTL: {
      // The dialog keyboard asks the window to move the focus (a label's accelerator, for one).
      HWND target = LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(hwnd_, GetFocus(), wp != 0);
      if (target) {
        if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(target, EM_SETSEL, 0, -1);
        SetFocus(target);
      }
      return 0;
    }
    case WM_HELP:
      ShowContextHelp(hwnd_, reinterpret_cast<HELPINFO*>(lp));
      return TRUE;
    case kCreateEditorMessage:
      TEditForm::EnsureCreated(hwnd_);
      return 0;
    case WM_CLOSE:
      // The editor, created after the main window, goes first and saves its pane heights (a close that comes before
      // the editor was made makes it now, so that its settings are read and written as on every run).
      TEditForm::EnsureCreated(hwnd_);
      TEditForm::Destroy();
      SaveMainSettingsOnExit(*this);
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  if (HandleContainerMessage(hwnd_, msg, wp, lp, result)) return result;
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace qm
