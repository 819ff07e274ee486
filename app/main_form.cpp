#include "app/main_form.h"

#include <shellapi.h>

#include <cstdio>

#include "app/accessible.h"
#include "app/builder.h"
#include "app/dpi.h"
#include "app/help.h"
#include "app/hints.h"
#include "app/kind_table.h"
#include "app/speed_button.h"
#include "app/settings.h"
#include "app/gdi_cache.h"
#include "app/clipboard.h"
#include "app/win_util.h"
#include "about/about_box.h"
#include "editor/edit_form.h"
#include "resource.h"

namespace qm {

TMainForm* MainForm = nullptr;

namespace {

constexpr int kClientWidth = 576;
constexpr int kClientHeight = 376;
constexpr UINT kCreateEditorMessage = WM_APP + 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

struct TargetItem {
  UINT command;
  TCodeTarget target;
  const wchar_t* text;
  const char* captionSuffix;  // what the editor's caption adds while this target is chosen
};
const TargetItem kTargets[] = {
    {IDM_TARGET_CLASSIC, ctDelphiClassic, L"Code for Delphi up to 2007", ""},
    {IDM_TARGET_DELPHI2009, ctDelphiUnicode, L"Code for Delphi 2009 and later", " - Code for Delphi 2009 and later"},
    {IDM_TARGET_FPC, ctFreePascal, L"Code for Free Pascal and Lazarus", " - Code for Free Pascal and Lazarus"},
};

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

}  // namespace

TMainForm* TMainForm::Create(HINSTANCE instance) {
  static const WindowClass kClass{L"TMainForm", 0, GetSysColorBrush(COLOR_BTNFACE),
                                  LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUILLMARK))};
  auto* form = new TMainForm;
  MainForm = form;
  // The design position; the settings load replaces it before the window is shown.
  const SIZE size = WindowSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, SystemDpi());
  if (!form->Window::Create(kClass, kExStyle, "Quillmark for Delphi", kStyle, 244, 175, size.cx, size.cy, nullptr,
                            nullptr)) {
    MainForm = nullptr;
    delete form;
    return nullptr;
  }
  form->FitToDpi(DpiOf(form->hwnd()));
  form->CreateControls();
  form->AddTargetMenu();
  form->presets_.AddTo(GetSystemMenu(form->hwnd(), FALSE));
  form->LoadSettings();
  form->CreateFrontPanel();
  form->FormCreate();
  ShowWindow(form->hwnd(), SW_SHOW);
  UpdateWindow(form->hwnd());
  // The code editor, hidden, comes right after: from the message loop, so that the main window answers as soon as it
  // is on the screen. A command that needs the editor before that creates it at once.
  PostMessageW(form->hwnd(), kCreateEditorMessage, 0, 0);
  return form;
}

TMainForm::~TMainForm() {
  if (MainForm == this) MainForm = nullptr;
}

void TMainForm::FitToDpi(int dpi) {
  SetLayoutDpi(hwnd(), dpi);
  SetClientSize(hwnd(), Scale(kClientWidth, dpi), Scale(kClientHeight, dpi));
  SetWindowIcons(hwnd(), dpi);
}

void TMainForm::MeasurePages() {
  // A page fills the tab control's display area, whose size follows the tabs' font; kept as a design rectangle.
  const int dpi = DpiOf(hwnd());
  RECT tabs{};
  GetWindowRect(pageControl_, &tabs);
  MapWindowPoints(nullptr, panel2_, reinterpret_cast<POINT*>(&tabs), 2);
  RECT r{0, 0, tabs.right - tabs.left, tabs.bottom - tabs.top};
  SendMessageW(pageControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  OffsetRect(&r, tabs.left, tabs.top);
  pageRect_ = RECT{Unscale(r.left, dpi), Unscale(r.top, dpi), Unscale(r.right, dpi), Unscale(r.bottom, dpi)};
  for (HWND page : pages_)
    if (page)
      PlaceDesign(page, pageRect_.left, pageRect_.top, pageRect_.right - pageRect_.left, pageRect_.bottom - pageRect_.top);
}

void TMainForm::OnDpiChanged(WPARAM wp, LPARAM lp) {
  // Sized from the design, whatever the suggestion's rounding.
  FitToDpi(ApplyDpiChange(hwnd(), wp, lp));
  MeasurePages();
}

void TMainForm::CreateControls() {
  Builder frame(hwnd());
  panel2_ = frame.Panel(IDC_Panel2, 0, 0, kClientWidth, kClientHeight, Bevel::Lowered, WS_CLIPCHILDREN);

  Builder b(panel2_);
  // Tab reaches the page tabs too, whose arrows change the page.
  pageControl_ = b.Make("SysTabControl32", IDC_PageControl, "",
                        WS_TABSTOP | WS_CLIPSIBLINGS | TCS_HOTTRACK | TCS_MULTILINE, 0, 1, 1, kClientWidth - 2, 61);
  const wchar_t* pageCaptions[2] = {L"Standard Dialogs", L"Shell Dialogs"};
  for (int i = 0; i < 2; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(pageCaptions[i]);
    SendMessageW(pageControl_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  MeasurePages();

  background_ = b.Panel(IDC_pnlBackgrnd, 1, 62, 452, 313, Bevel::None, WS_CLIPCHILDREN);
  // The panels' windows come when first needed (Panel).
  for (const KindRow& k : KindRows()) panels_.push_back(k.makePanel());

  SpeedButtonStyle commandStyle;
  commandStyle.margin = 16;
  commandStyle.spacing = 8;
  for (const auto& c : kCommands) {
    commandStyle.pictureId = c.pictureId;
    HWND button = b.Speed(c.id, c.caption, 467, c.top, 99, 31, commandStyle);
    AddHint(button, c.hint);
  }
  // The form definition's shell page is not made here: the settings load shows the page they name.
}

HWND TMainForm::EnsurePage(int index) {
  if (index != 0 && index != 1) return nullptr;
  if (pages_[index]) return pages_[index];
  const int pageIds[2] = {IDC_Standard, IDC_Shell};
  const int arrowIds[2] = {IDC_tbnArrow1, IDC_tbnArrow2};
  HWND page = Builder(panel2_).Panel(pageIds[index], pageRect_.left, pageRect_.top, pageRect_.right - pageRect_.left,
                                     pageRect_.bottom - pageRect_.top);
  if (!page) return nullptr;
  pages_[index] = page;
  SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SpeedButtonStyle kindStyle;
  kindStyle.flat = true;
  kindStyle.group = 35 + index;
  kindStyle.pictureId = IDB_ARROW;
  Builder b(page);
  HWND arrow = b.Speed(arrowIds[index], "", 3, 2, 32, 28, kindStyle);
  if (index == 0) AddHint(arrow, "");
  // The kind buttons are one stop of the Tab key; a screen reader names each by its hint.
  kindStyle.keyboard = true;
  for (const KindRow& k : KindRows()) {
    if (k.page != index) continue;
    kindStyle.pictureId = k.pictureId;
    HWND button = b.Speed(k.buttonId, "", k.buttonLeft, 2, 32, 28, kindStyle);
    AddHint(button, k.hint);
    SetAccessibleName(button, k.hint);
  }
  // The page shows what the current kind has made of it: its button down on its own page, the placeholder down on
  // the other. A stored kind that names none keeps the design state: the message box's button and the shell page's
  // placeholder down.
  const KindRow* current = FindKindRow(FDialogKind);
  if (!current) current = FindKindRow(dkMessageBox);
  SetDown(FindControl(page, current->page == index ? current->buttonId : arrowIds[index]), true);
  return page;
}

void TMainForm::FormCreate() {
  // The controls that FormCreate fills (drive list, grid headers, the Run dialog's description) belong to panels that
  // are created on first use; each panel writes those values itself when its controls are created.
}

KindPanel* TMainForm::PanelObject(int kind) const {
  const KindRow* row = FindKindRow(kind);
  if (!row) return nullptr;
  const auto index = static_cast<std::size_t>(row - KindRows().data());
  return index < panels_.size() ? panels_[index].get() : nullptr;
}

KindPanel* TMainForm::Panel(int kind) {
  KindPanel* panel = PanelObject(kind);
  if (panel && !panel->panel()) {
    // Made hidden: only the panel in front is shown. No WS_CLIPCHILDREN: group boxes are transparent and show the
    // panel's own background.
    const int dpi = DpiOf(background_);
    if (!panel->Make(background_, FindKindRow(kind)->panelId, 0, 0, Scale(452, dpi), Scale(313, dpi))) return nullptr;
    SetDesignRect(panel->panel(), 0, 0, 452, 313);
    ShowWindow(panel->panel(), SW_HIDE);
  }
  return panel;
}

KindPanel* TMainForm::CurrentPanel() {
  KindPanel* panel = Panel(FDialogKind);
  if (panel) panel->EnsureCreated();
  return panel;
}

void TMainForm::LoadSettings() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  const MainSettings settings = LoadMainSettings(SIZE{r.right - r.left, r.bottom - r.top});
  SetWindowPos(hwnd(), nullptr, settings.position.x, settings.position.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SelectDialogKind(settings.dialogKind);
  SetActivePage(settings.activePage);
  SelectCodeTarget(CodeTargetFromSetting(settings.target));
  SelectHandleAnswer(settings.handleAnswer);
}

void TMainForm::AddTargetMenu() {
  HMENU menu = GetSystemMenu(hwnd(), FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (const TargetItem& item : kTargets) AppendMenuW(menu, MF_STRING, item.command, item.text);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, IDM_HANDLE_ANSWER, L"Handle the answer in code");
}

void TMainForm::SelectHandleAnswer(bool handle) {
  FHandleAnswer = handle;
  CheckMenuItem(GetSystemMenu(hwnd(), FALSE), IDM_HANDLE_ANSWER, MF_BYCOMMAND | (handle ? MF_CHECKED : MF_UNCHECKED));
}

void TMainForm::SelectCodeTarget(TCodeTarget target) {
  FCodeTarget = target;
  for (const TargetItem& item : kTargets)
    if (item.target == target)
      CheckMenuRadioItem(GetSystemMenu(hwnd(), FALSE), IDM_TARGET_CLASSIC, IDM_TARGET_FPC, item.command, MF_BYCOMMAND);
}

void TMainForm::SaveSettings() {
  const RECT r = RestoredWindowRect(hwnd());
  SaveMainSettings({POINT{r.left, r.top}, FDialogKind, ActivePage(), FCodeTarget, FHandleAnswer});
}

void TMainForm::SelectDialogKind(int kind) {
  if (const KindRow* k = FindKindRow(kind)) {
    SetText(hwnd(), std::string("Quillmark for Delphi - [") + k->captionName + "]");
    if (KindPanel* panel = Panel(kind)) ShowPanel(panel);
    // A page that is not made yet takes its state from FDialogKind when it is.
    if (HWND other = pages_[1 - k->page])
      SetDown(FindControl(other, k->page == 0 ? IDC_tbnArrow2 : IDC_tbnArrow1), true);
    if (HWND page = pages_[k->page]) {
      HWND own = FindControl(page, k->buttonId);
      if (!IsDown(own)) SetDown(own, true);
    }
  }
  FDialogKind = static_cast<std::uint8_t>(kind);
  if (KindPanel* fileOp = PanelObject(dkFileOperation)) fileOp->OnSelected(kind == dkFileOperation);
}

void TMainForm::ShowPanel(KindPanel* panel) {
  HWND window = panel->panel();
  if (shown_ == panel) {
    panel->EnsureCreated();
    return;
  }
  // Nothing is painted until the new panel is in front with its controls and the old one is hidden; then once.
  struct RedrawHeld {
    HWND window;
    explicit RedrawHeld(HWND w) : window(w) { SendMessageW(window, WM_SETREDRAW, FALSE, 0); }
    ~RedrawHeld() {
      SendMessageW(window, WM_SETREDRAW, TRUE, 0);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  } held(background_);
  panel->EnsureCreated();
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  if (shown_) {
    HWND old = shown_->panel();
    // The keyboard focus does not stay behind in a hidden panel.
    if (IsChild(old, GetFocus())) SetFocus(hwnd());
    SetWindowPos(old, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  }
  shown_ = panel;
}

// A stored kind that names none shows the form definition's front panel, the message box's, with its controls.
void TMainForm::CreateFrontPanel() {
  if (KindPanel* front = shown_ ? nullptr : Panel(dkMessageBox)) ShowPanel(front);
}

int TMainForm::ActivePage() const {
  for (int i = 0; i < 2; ++i)
    if (IsWindowVisible(pages_[i])) return i;
  return -1;
}

void TMainForm::SetActivePage(int index) {
  SendMessageW(pageControl_, TCM_SETCURSEL, (index == 0 || index == 1) ? index : -1, 0);
  ShowPage(index);
}

void TMainForm::ShowPage(int index) {
  EnsurePage(index);
  for (int i = 0; i < 2; ++i)
    if (pages_[i]) ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
}

void TMainForm::RunBuilder(TBuildMode mode) {
  KindPanel* panel = CurrentPanel();
  if (!panel) return;
  switch (mode) {
    case bmTest:
      panel->Test();
      break;
    case bmCopy:
    case bmEdit: {
      // Delphi 2009 and later hold any character in a string literal; the other compilers only the ANSI code page's.
      if (FCodeTarget != ctDelphiUnicode) panel->CheckAnsiTexts();
      const GeneratedCode code = panel->Generate(FCodeTarget, FHandleAnswer);
      if (mode == bmCopy) PutClipboardText(hwnd(), JoinCrLf(code.fragment));
      else if (EditForm) EditForm->FillPanes(code.uses, code.decl, code.impl, FCodeTarget);
      break;
    }
  }
}

void TMainForm::btnTestClick() { RunCommand(hwnd(), [&] { RunBuilder(bmTest); }); }
void TMainForm::btnCopyClick() { RunCommand(hwnd(), [&] { RunBuilder(bmCopy); }); }
void TMainForm::btnEditClick() {
  TEditForm::EnsureCreated(hwnd());
  bool failed = true;
  RunCommand(hwnd(), [&] {
    RunBuilder(bmEdit);
    failed = false;
  });
  // Code that cannot be written ends the command with its error; the editor is not shown.
  if (EditForm && !failed) {
    for (const TargetItem& item : kTargets)
      if (item.target == FCodeTarget) EditForm->ShowModal(item.captionSuffix);
  }
}

void TMainForm::btnResetClick() {
  RunCommand(hwnd(), [&] {
    if (KindPanel* panel = CurrentPanel()) panel->Reset();
  });
}

void TMainForm::btnMinimizeClick() { ShowWindow(hwnd(), SW_MINIMIZE); }
void TMainForm::btnHelpClick() { RunCommand(hwnd(), [&] { OpenHelp(hwnd(), 1); }); }
void TMainForm::btnAboutClick() { RunCommand(hwnd(), [&] { ShowAboutBox(hwnd()); }); }

void TMainForm::FormKeyDown(WPARAM key) {
  if (!IsWindowEnabled(hwnd())) return;  // a modal window of ours is open
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
  if (const KindRow* k = FindKindRowByButton(id)) {
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

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // IDOK and IDCANCEL from the dialog keyboard (Enter, Esc) have no meaning here.
      if (lp != 0 && HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
      // A submenu of the system menu may send its items as menu commands.
      else if (lp == 0 && HIWORD(wp) == 0 && presets_.Handles(LOWORD(wp)))
        presets_.Run(hwnd(), LOWORD(wp), CurrentPanel());
      return 0;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (nm->idFrom == IDC_PageControl && nm->code == TCN_SELCHANGE) {
        ShowPage(static_cast<int>(SendMessageW(pageControl_, TCM_GETCURSEL, 0, 0)));
        return 0;
      }
      break;
    }
    case WM_NEXTDLGCTL: {
      // The dialog keyboard asks the window to move the focus (a label's accelerator, for one).
      HWND target = LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(hwnd(), GetFocus(), wp != 0);
      if (target) {
        if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
        SetFocus(target);
      }
      return 0;
    }
    case WM_HELP:
      ShowContextHelp(hwnd(), reinterpret_cast<HELPINFO*>(lp));
      return TRUE;
    case WM_INITMENUPOPUP:
      presets_.Fill(FDialogKind);
      break;
    case WM_SYSCOMMAND:
      if (presets_.Handles(wp & 0xFFF0)) {
        presets_.Run(hwnd(), wp & 0xFFF0, CurrentPanel());
        return 0;
      }
      for (const TargetItem& item : kTargets) {
        if ((wp & 0xFFF0) == item.command) {
          SelectCodeTarget(item.target);
          return 0;
        }
      }
      if ((wp & 0xFFF0) == IDM_HANDLE_ANSWER) {
        SelectHandleAnswer(!FHandleAnswer);
        return 0;
      }
      break;
    case WM_DPICHANGED:
      OnDpiChanged(wp, lp);
      return 0;
    case kCreateEditorMessage:
      TEditForm::EnsureCreated(hwnd());
      return 0;
    case WM_CLOSE:
      // The editor, created after the main window, goes first and saves its pane heights (a close that comes before
      // the editor was made makes it now, so that its settings are read and written as on every run).
      TEditForm::EnsureCreated(hwnd());
      TEditForm::Destroy();
      RunCommand(hwnd(), [&] { SaveSettings(); });
      DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace qm
