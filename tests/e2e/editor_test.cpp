// The code editor window: its layout, what Edit puts in it, the copy commands, the keyboard and the splitters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const char kSentinel[] = "clipboard before the command";

class Editor : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
};

HWND OpenEditor(const Program& p) {
  p.PostClick(IDC_btnEdit);
  return p.WaitForWindow("TEditForm");
}

bool CloseEditor(const Program& p, HWND editor) {
  PostMessageA(ChildById(editor, IDC_btnClose), BM_CLICK, 0, 0);
  return WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); });
}

// The editor also exists while it is hidden; it is created right after the main window shows.
HWND FindEditorWindow(const Program& p) {
  struct Find {
    DWORD pid;
    HWND found;
  } find{p.pid(), nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == f->pid && ClassOf(hwnd) == "TEditForm") {
          f->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND EditorWindow(const Program& p) {
  HWND editor = nullptr;
  WaitUntil([&] { return (editor = FindEditorWindow(p)) != nullptr; });
  return editor;
}

std::string Pane(HWND editor, int id) { return WindowText(ChildById(editor, id)); }

RECT RectIn(HWND editor, int id) {
  RECT r{};
  GetWindowRect(ChildById(editor, id), &r);
  POINT origin{0, 0};
  ClientToScreen(editor, &origin);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

int Height(HWND editor, int id) {
  const RECT r = RectIn(editor, id);
  return r.bottom - r.top;
}

std::pair<DWORD, DWORD> Selection(HWND memo) {
  DWORD start = 0;
  DWORD end = 0;
  // Cross-process messages carry no pointers; the result packs both positions when they fit in 16 bits.
  const LRESULT packed = SendMessageA(memo, EM_GETSEL, 0, 0);
  start = LOWORD(packed);
  end = HIWORD(packed);
  return {start, end};
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// Key presses as the user makes them, into the editor.
void Press(HWND window, WORD key, bool ctrl, bool shift = false) {
  SetForegroundWindow(window);
  std::vector<INPUT> in;
  auto add = [&](WORD vk, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  if (ctrl) add(VK_CONTROL, false);
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  if (ctrl) add(VK_CONTROL, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Puts the sentinel on the clipboard, runs the command and returns what it put there (the sentinel if nothing).
// The wait watches the clipboard's sequence number: opening the clipboard to look would hold it just when the
// program wants it.
template <typename F>
std::string Copied(F&& command, int timeoutMs = 3000) {
  PutClipboard(kSentinel);
  const DWORD before = GetClipboardSequenceNumber();
  command();
  WaitUntil([&] { return GetClipboardSequenceNumber() != before; }, timeoutMs);
  return ClipboardText();
}

void ClickIn(HWND editor, int id) { SendMessageA(ChildById(editor, id), BM_CLICK, 0, 0); }

const char kImplDefault[] = "  Result := MessageBox(Handle, PChar(''), PChar('Information'), 64);\r\n";
const char kDeclDefault[] = "var\r\n  Result: Integer;\r\n";

}  // namespace

TEST_F(Editor, CreatedHiddenWithItsLayout) {
  Program p;
  HWND editor = EditorWindow(p);
  ASSERT_TRUE(editor);
  EXPECT_FALSE(IsWindowVisible(editor));
  EXPECT_EQ(WindowText(editor), "Quillmark for Delphi - Code Editor");
  EXPECT_EQ(GetWindow(editor, GW_OWNER), p.main());
  const LONG style = GetWindowLongA(editor, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(GetWindowLongA(editor, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  RECT client;
  GetClientRect(editor, &client);
  EXPECT_EQ(client.right, 576);
  EXPECT_EQ(client.bottom, 376);

  // From the top: uses pane, splitter, declarations, splitter, implementation, buttons, inside a 1-pixel border.
  const RECT uses = RectIn(editor, IDC_pnlUses);
  const RECT splTop = RectIn(editor, IDC_splTop);
  const RECT decl = RectIn(editor, IDC_pnlDecl);
  const RECT splBottom = RectIn(editor, IDC_splBottom);
  const RECT impl = RectIn(editor, IDC_pnlImpl);
  const RECT bottom = RectIn(editor, IDC_pnlBottom);
  for (const RECT& r : {uses, splTop, decl, splBottom, impl, bottom}) {
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.right, 575);
  }
  EXPECT_EQ(uses.top, 1);
  EXPECT_EQ(uses.bottom - uses.top, 60);  // no stored heights: 60, 100 and 140 before the limits and the layout
  EXPECT_EQ(splTop.top, uses.bottom);
  EXPECT_EQ(splTop.bottom - splTop.top, 2);
  EXPECT_EQ(decl.top, splTop.bottom);
  EXPECT_EQ(decl.bottom - decl.top, 130);
  EXPECT_EQ(splBottom.top, decl.bottom);
  EXPECT_EQ(splBottom.bottom - splBottom.top, 2);
  EXPECT_EQ(impl.top, splBottom.bottom);
  EXPECT_EQ(impl.bottom - impl.top, 140);
  EXPECT_EQ(bottom.top, impl.bottom);
  EXPECT_EQ(bottom.bottom, 375);
  EXPECT_EQ(bottom.bottom - bottom.top, 40);

  struct PaneIds {
    int panel, header, copy, memo;
    const char* caption;
  };
  const PaneIds panes[] = {{IDC_pnlUses, IDC_pnlUsesTop, IDC_btnCopyUses, IDC_memUses, " uses:"},
                           {IDC_pnlDecl, IDC_pnlDeclTop, IDC_btnCopyDecl, IDC_memDecl, " declarations:"},
                           {IDC_pnlImpl, IDC_pnlImplTop, IDC_btnCopyImpl, IDC_memImpl, " implementation:"}};
  for (const PaneIds& ids : panes) {
    SCOPED_TRACE(ids.caption);
    const RECT panel = RectIn(editor, ids.panel);
    const RECT header = RectIn(editor, ids.header);
    const RECT copy = RectIn(editor, ids.copy);
    const RECT memo = RectIn(editor, ids.memo);
    EXPECT_EQ(WindowText(ChildById(editor, ids.header)), ids.caption);
    EXPECT_EQ(header.bottom - header.top, 26);
    EXPECT_EQ(copy.right - copy.left, 27);
    EXPECT_EQ(copy.bottom - copy.top, 26);
    EXPECT_EQ(copy.right, header.right);  // at the right end of the strip
    EXPECT_EQ(copy.top, header.top);
    EXPECT_EQ(memo.top, header.bottom);
    EXPECT_EQ(memo.bottom, panel.bottom - 1);
    EXPECT_EQ(ClassOf(ChildById(editor, ids.memo)), "Edit");
    const LONG memoStyle = GetWindowLongA(ChildById(editor, ids.memo), GWL_STYLE);
    EXPECT_TRUE(memoStyle & ES_MULTILINE);
    EXPECT_TRUE(memoStyle & WS_VSCROLL);
    EXPECT_FALSE(memoStyle & WS_HSCROLL);
    EXPECT_FALSE(memoStyle & ES_AUTOHSCROLL);  // long lines wrap
    EXPECT_FALSE(memoStyle & ES_READONLY);
  }

  const RECT copyAll = RectIn(editor, IDC_btnCopyAll);
  const RECT close = RectIn(editor, IDC_btnClose);
  EXPECT_EQ(WindowText(ChildById(editor, IDC_btnCopyAll)), "Copy All");
  EXPECT_EQ(WindowText(ChildById(editor, IDC_btnClose)), "Close");
  for (const RECT& r : {copyAll, close}) {
    EXPECT_EQ(r.right - r.left, 86);
    EXPECT_EQ(r.bottom - r.top, 26);
    EXPECT_GT(r.top, bottom.top);
    EXPECT_LT(r.bottom, bottom.bottom);
  }
  EXPECT_LT(copyAll.right, close.left);
  EXPECT_GT(close.right, 560);
}

TEST_F(Editor, EditShowsTheMessageBoxCodeOverTheMainWindow) {
  Program p;
  SetWindowPos(p.main(), nullptr, 37, 21, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  RECT mainRect;
  RECT editorRect;
  GetWindowRect(p.main(), &mainRect);
  GetWindowRect(editor, &editorRect);
  EXPECT_TRUE(EqualRect(&mainRect, &editorRect));
  EXPECT_EQ(WindowText(editor), "Quillmark for Delphi - [MessageBox]");
  EXPECT_FALSE(IsWindowEnabled(p.main()));

  EXPECT_EQ(Pane(editor, IDC_memUses), "");
  EXPECT_EQ(Pane(editor, IDC_memDecl), kDeclDefault);
  EXPECT_EQ(Pane(editor, IDC_memImpl), kImplDefault);
  // The implementation pane has the focus; every pane has its caret at the start.
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(editor) == ChildById(editor, IDC_memImpl); }, 3000));
  for (int id : {IDC_memUses, IDC_memDecl, IDC_memImpl}) {
    EXPECT_EQ(Selection(ChildById(editor, id)), std::make_pair(DWORD{0}, DWORD{0})) << id;
  }
  ASSERT_TRUE(CloseEditor(p, editor));
  EXPECT_FALSE(IsWindowVisible(editor));

  // The procedure form, with a caret left elsewhere last time.
  p.SetCheck(IDC_chkAsProcedure, true);
  p.SetEditText(IDC_cboCaption, "Bob's title");
  ASSERT_EQ(OpenEditor(p), editor);
  EXPECT_EQ(Pane(editor, IDC_memUses), "");
  EXPECT_EQ(Pane(editor, IDC_memDecl), "");
  EXPECT_EQ(Pane(editor, IDC_memImpl), "  MessageBox(Handle, PChar(''), PChar('Bob's title'), 64);\r\n");
  SendMessageA(ChildById(editor, IDC_memImpl), EM_SETSEL, 5, 9);
  ASSERT_TRUE(CloseEditor(p, editor));

  // The editor follows the main window and its caption at every showing.
  p.Click(IDC_tbnMessageBox);
  SetWindowPos(p.main(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  p.SetCheck(IDC_chkAsProcedure, false);
  p.SetEditText(IDC_edtVarName, "Answer");
  ASSERT_EQ(OpenEditor(p), editor);
  GetWindowRect(p.main(), &mainRect);
  GetWindowRect(editor, &editorRect);
  EXPECT_TRUE(EqualRect(&mainRect, &editorRect));
  EXPECT_EQ(Pane(editor, IDC_memDecl), "var\r\n  Answer: Integer;\r\n");
  EXPECT_EQ(Pane(editor, IDC_memImpl),
            "  Answer := MessageBox(Handle, PChar(''), PChar('Bob's title'), 64);\r\n");
  EXPECT_EQ(Selection(ChildById(editor, IDC_memImpl)), std::make_pair(DWORD{0}, DWORD{0}));
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, CopyAllAndThePaneCopies) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  const std::string all =
      "// This code is generated by Quillmark for Delphi\r\n"
      "// declarations:\r\n"
      "var\r\n"
      "  Result: Integer;\r\n"
      "\r\n"
      "// implementation:\r\n"
      "  Result := MessageBox(Handle, PChar(''), PChar('Information'), 64);\r\n"
      "// End of Quillmark generated code\r\n";
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }), all);

  // Without a selection: the whole pane; an empty pane gives empty text.
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyUses); }), "");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyDecl); }), kDeclDefault);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyImpl); }), kImplDefault);

  // With a selection: only the selection; Copy All ignores it.
  SendMessageA(ChildById(editor, IDC_memDecl), EM_SETSEL, 7, 13);
  SendMessageA(ChildById(editor, IDC_memImpl), EM_SETSEL, 12, 22);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyDecl); }), "Result");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyImpl); }), "MessageBox");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }), all);
  // A selection made from the end backwards counts the same.
  SendMessageA(ChildById(editor, IDC_memDecl), EM_SETSEL, 13, 7);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyDecl); }), "Result");
  EXPECT_TRUE(IsWindowVisible(editor));
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, EditedPanesAreCopiedAsEdited) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  SendMessageA(ChildById(editor, IDC_memUses), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Windows, SysUtils"));
  SendMessageA(ChildById(editor, IDC_memDecl), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("var\r\n  Result: Integer;\r\n  Extra: string;"));
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyUses); }), "Windows, SysUtils\r\n");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyDecl); }), "var\r\n  Result: Integer;\r\n  Extra: string;\r\n");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }),
            "// This code is generated by Quillmark for Delphi\r\n"
            "// uses clause:\r\n"
            "Windows, SysUtils\r\n"
            "\r\n"
            "// declarations:\r\n"
            "var\r\n"
            "  Result: Integer;\r\n"
            "  Extra: string;\r\n"
            "\r\n"
            "// implementation:\r\n"
            "  Result := MessageBox(Handle, PChar(''), PChar('Information'), 64);\r\n"
            "// End of Quillmark generated code\r\n");
  // Panes of line ends only still count as text; all panes empty leave three lines.
  SendMessageA(ChildById(editor, IDC_memUses), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("\r\n"));
  SendMessageA(ChildById(editor, IDC_memDecl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  SendMessageA(ChildById(editor, IDC_memImpl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }),
            "// This code is generated by Quillmark for Delphi\r\n"
            "// uses clause:\r\n"
            "\r\n"
            "\r\n"
            "// implementation:\r\n"
            "// End of Quillmark generated code\r\n");
  SendMessageA(ChildById(editor, IDC_memUses), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }),
            "// This code is generated by Quillmark for Delphi\r\n"
            "// implementation:\r\n"
            "// End of Quillmark generated code\r\n");
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, LongLinesStayWholeWhenCopied) {
  Program p;
  const std::string title(160, 'T');
  p.SetEditText(IDC_cboCaption, title);
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  const std::string line = "  Result := MessageBox(Handle, PChar(''), PChar('" + title + "'), 64);";
  ASSERT_EQ(Pane(editor, IDC_memImpl), line + "\r\n");
  // The pane shows the line wrapped ...
  EXPECT_GE(SendMessageA(ChildById(editor, IDC_memImpl), EM_GETLINECOUNT, 0, 0), 3);
  // ... and both copies keep it one line.
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyImpl); }), line + "\r\n");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }),
            "// This code is generated by Quillmark for Delphi\r\n"
            "// declarations:\r\n"
            "var\r\n"
            "  Result: Integer;\r\n"
            "\r\n"
            "// implementation:\r\n" +
                line +
                "\r\n"
                "// End of Quillmark generated code\r\n");
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, ThirtyThousandCharactersInEveryPane) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  const std::string uses(30000, 'u');  // one line
  std::string decl;
  while (decl.size() < 30000) decl += "  Variable" + std::to_string(decl.size()) + ": Integer;\r\n";
  std::string impl;
  while (impl.size() < 30000) impl += "  Call('" + std::string(70, 'x') + "', " + std::to_string(impl.size()) + ");\r\n";
  SendMessageA(ChildById(editor, IDC_memUses), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(uses.c_str()));
  SendMessageA(ChildById(editor, IDC_memDecl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(decl.c_str()));
  SendMessageA(ChildById(editor, IDC_memImpl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(impl.c_str()));
  ASSERT_EQ(Pane(editor, IDC_memUses), uses);
  ASSERT_EQ(Pane(editor, IDC_memDecl), decl);
  ASSERT_EQ(Pane(editor, IDC_memImpl), impl);

  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyUses); }), uses + "\r\n");
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyDecl); }), decl);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyImpl); }), impl);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyAll); }),
            "// This code is generated by Quillmark for Delphi\r\n"
            "// uses clause:\r\n" +
                uses + "\r\n\r\n// declarations:\r\n" + decl + "\r\n// implementation:\r\n" + impl +
                "// End of Quillmark generated code\r\n");
  SendMessageA(ChildById(editor, IDC_memUses), EM_SETSEL, 100, 25100);
  EXPECT_EQ(Copied([&] { ClickIn(editor, IDC_btnCopyUses); }), uses.substr(100, 25000));
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, KeyboardShortcutsCopyAndLetTheKeyThrough) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  HWND memImpl = ChildById(editor, IDC_memImpl);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(editor) == memImpl; }, 3000));

  EXPECT_EQ(Copied([&] { Press(editor, 'U', true); }), "");
  EXPECT_EQ(Copied([&] { Press(editor, 'D', true); }), kDeclDefault);
  SendMessageA(ChildById(editor, IDC_memDecl), EM_SETSEL, 0, 3);
  EXPECT_EQ(Copied([&] { Press(editor, 'D', true); }), "var");
  EXPECT_EQ(Copied([&] { Press(editor, 'D', true, true); }), "var");  // Shift as well does not stop it
  EXPECT_EQ(Copied([&] { Press(editor, 'I', true); }), kImplDefault);
  const std::string all =
      "// This code is generated by Quillmark for Delphi\r\n"
      "// declarations:\r\n"
      "var\r\n"
      "  Result: Integer;\r\n"
      "\r\n"
      "// implementation:\r\n"
      "  Result := MessageBox(Handle, PChar(''), PChar('Information'), 64);\r\n"
      "// End of Quillmark generated code\r\n";
  EXPECT_EQ(Copied([&] { Press(editor, 'A', true); }), all);

  // U without Ctrl is typing, not a copy: the preview sees the key and lets it go on to the focused pane.
  SendMessageA(memImpl, EM_SETSEL, 0, 0);
  EXPECT_EQ(Copied([&] { Press(editor, 'U', false); }, 1000), kSentinel);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(memImpl) == std::string("u") + kImplDefault; }, 3000));
  EXPECT_EQ(Copied([&] { Press(editor, 'U', true, true); }), "");

  // The main window's keys do not act while the editor is open.
  EXPECT_EQ(Copied([&] { Press(editor, 'C', true); }, 1000), kSentinel);
  EXPECT_FALSE(IsIconic(p.main()));

  // Esc closes the editor, with or without other keys held, and does not reach the main window.
  Press(editor, VK_ESCAPE, false);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); }));
  EXPECT_FALSE(IsIconic(p.main()));
  ASSERT_EQ(OpenEditor(p), editor);
  Press(editor, VK_ESCAPE, false, true);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); }));
  EXPECT_FALSE(IsIconic(p.main()));
  // Every pane survives Esc.
  for (int id : {IDC_pnlUses, IDC_pnlDecl, IDC_pnlImpl, IDC_memUses, IDC_memDecl, IDC_memImpl})
    EXPECT_TRUE(ChildById(editor, id)) << id;
  // The close box closes it as well.
  ASSERT_EQ(OpenEditor(p), editor);
  PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(p.main()); }));
}

namespace {
// Keeps the thread of a window from running while it is in scope. SuspendThread only asks; reading the thread's
// context waits until it has stopped.
class HeldThread {
 public:
  explicit HeldThread(HWND window)
      : thread_(OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE,
                           GetWindowThreadProcessId(window, nullptr))) {
    if (!thread_) return;
    if (SuspendThread(thread_) == static_cast<DWORD>(-1)) return;
    suspended_ = true;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    holding_ = GetThreadContext(thread_, &context) != FALSE;
  }
  ~HeldThread() {
    if (suspended_) ResumeThread(thread_);
    if (thread_) CloseHandle(thread_);
  }
  HeldThread(const HeldThread&) = delete;
  HeldThread& operator=(const HeldThread&) = delete;
  bool holding() const { return holding_; }

 private:
  HANDLE thread_;
  bool suspended_ = false;
  bool holding_ = false;
};
}  // namespace

// Esc closes the editor once: an Edit right behind it, as a script or a quick user sends it, opens the editor for
// good.
TEST_F(Editor, EditRightAfterEscStaysOpen) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  HWND memDecl = ChildById(editor, IDC_memDecl);
  HWND memImpl = ChildById(editor, IDC_memImpl);
  for (int id : {IDC_memUses, IDC_memDecl, IDC_memImpl}) {
    HWND memo = ChildById(editor, id);
    for (int round = 0; round < 10; ++round) {
      SCOPED_TRACE(::testing::Message() << "pane " << id << ", round " << round);
      SendMessageA(memDecl, EM_SETSEL, 7, 7);  // every showing puts the caret back at the start
      {
        // The Edit is queued before the program takes the Esc, as when both come faster than it runs.
        HeldThread held(editor);
        ASSERT_TRUE(held.holding());
        PostMessageA(memo, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(memo, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
        p.PostClick(IDC_btnEdit);
      }
      // Posted messages run in order, so once the third marker has run, so has whatever the Esc posted, and whatever
      // that posted in turn.
      for (DWORD mark = 1; mark <= 3; ++mark) {
        PostMessageA(memImpl, EM_SETSEL, mark, mark);
        ASSERT_TRUE(WaitUntil([&] { return Selection(memImpl) == std::make_pair(mark, mark); }, 5000)) << mark;
      }
      EXPECT_EQ(Selection(memDecl), std::make_pair(DWORD{0}, DWORD{0}));  // it was shown again
      ASSERT_TRUE(IsWindowVisible(editor));
      ASSERT_FALSE(IsWindowEnabled(p.main()));
    }
  }
  ASSERT_TRUE(CloseEditor(p, editor));
}

TEST_F(Editor, KindWithoutBuilderShowsThePreviousText) {
  WriteSetting("DlgType", "1");
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  EXPECT_EQ(WindowText(editor), "Quillmark for Delphi");
  EXPECT_EQ(Pane(editor, IDC_memUses), "");
  EXPECT_EQ(Pane(editor, IDC_memDecl), "");
  EXPECT_EQ(Pane(editor, IDC_memImpl), "");
  SendMessageA(ChildById(editor, IDC_memDecl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept"));
  ASSERT_TRUE(CloseEditor(p, editor));
  ASSERT_EQ(OpenEditor(p), editor);
  EXPECT_EQ(Pane(editor, IDC_memDecl), "kept");
  ASSERT_TRUE(CloseEditor(p, editor));
}

namespace {
HWND CaptureOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndCapture;
}

bool CursorAt(int x, int y) {
  POINT pt{};
  GetCursorPos(&pt);
  return pt.x == x && pt.y == y;
}

void MouseButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

// Drags with the real mouse, as the user does: press on the bar, move, release; each step is seen through
// before the next.
::testing::AssertionResult Drag(HWND bar, int dy) {
  RECT r;
  GetWindowRect(bar, &r);
  const int x = (r.left + r.right) / 2;
  const int y = r.top + 1;
  auto fail = [&](const char* step) {
    POINT pt{};
    GetCursorPos(&pt);
    return ::testing::AssertionFailure() << "the drag stopped at " << step << ": cursor " << pt.x << "," << pt.y
                                         << ", bar at " << x << "," << y << ", capture " << CaptureOf(bar);
  };
  SetCursorPos(x, y);
  if (!WaitUntil([&] { return CursorAt(x, y); }, 3000)) return fail("the move to the bar");
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  if (!WaitUntil([&] { return CaptureOf(bar) == bar; }, 3000)) return fail("the press");
  SetCursorPos(x, y + dy);
  MouseButton(MOUSEEVENTF_MOVE);
  if (!WaitUntil([&] { return CursorAt(x, y + dy); }, 3000)) return fail("the move");
  MouseButton(MOUSEEVENTF_LEFTUP);
  if (!WaitUntil([&] { return CaptureOf(bar) == nullptr; }, 3000)) return fail("the release");
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST_F(Editor, SplittersResizeWithinTheLimitsAndTheHeightsLast) {
  {
    Program p;
    HWND editor = OpenEditor(p);
    ASSERT_TRUE(editor);
    // Up by 30: the implementation pane grows from 140 to 170, the declarations pane gives the room.
    ASSERT_TRUE(Drag(ChildById(editor, IDC_splBottom), -30));
    EXPECT_TRUE(WaitUntil([&] { return Height(editor, IDC_pnlImpl) == 170; }, 3000));
    EXPECT_EQ(Height(editor, IDC_pnlDecl), 100);
    EXPECT_EQ(RectIn(editor, IDC_pnlBottom).bottom, 375);
    EXPECT_EQ(RectIn(editor, IDC_pnlImpl).bottom, RectIn(editor, IDC_pnlBottom).top);
    // Far up: the implementation pane stops at its maximum 180.
    ASSERT_TRUE(Drag(ChildById(editor, IDC_splBottom), -150));
    EXPECT_TRUE(WaitUntil([&] { return Height(editor, IDC_pnlImpl) == 180; }, 3000));
    // Far down with the upper bar: the uses pane stops where the declarations pane reaches its minimum 80.
    ASSERT_TRUE(Drag(ChildById(editor, IDC_splTop), 150));
    EXPECT_TRUE(WaitUntil([&] { return Height(editor, IDC_pnlUses) == 70; }, 3000));
    EXPECT_EQ(Height(editor, IDC_pnlDecl), 80);
    EXPECT_EQ(Height(editor, IDC_pnlImpl), 180);
    EXPECT_EQ(RectIn(editor, IDC_pnlDecl).bottom, RectIn(editor, IDC_splBottom).top);
    ASSERT_TRUE(CloseEditor(p, editor));
    // The heights stay for the rest of the run.
    ASSERT_EQ(OpenEditor(p), editor);
    EXPECT_EQ(Height(editor, IDC_pnlUses), 70);
    EXPECT_EQ(Height(editor, IDC_pnlImpl), 180);
    ASSERT_TRUE(CloseEditor(p, editor));
  }
  std::string value;
  ASSERT_TRUE(ReadSetting("UsesHt", value));
  EXPECT_EQ(value, "70");
  ASSERT_TRUE(ReadSetting("DeclHt", value));
  EXPECT_EQ(value, "80");
  ASSERT_TRUE(ReadSetting("ImplHt", value));
  EXPECT_EQ(value, "180");
  // ... and into the next run.
  Program p;
  HWND editor = EditorWindow(p);
  ASSERT_TRUE(editor);
  EXPECT_EQ(Height(editor, IDC_pnlUses), 70);
  EXPECT_EQ(Height(editor, IDC_pnlDecl), 80);
  EXPECT_EQ(Height(editor, IDC_pnlImpl), 180);
}

TEST_F(Editor, ProgramEndsWhileTheEditorIsOpen) {
  Program p;
  HWND editor = OpenEditor(p);
  ASSERT_TRUE(editor);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, p.pid());
  ASSERT_TRUE(process);
  ASSERT_TRUE(p.Close());
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(code, 0u);
  std::string value;
  ASSERT_TRUE(ReadSetting("UsesHt", value));
  EXPECT_EQ(value, "60");
  ASSERT_TRUE(ReadSetting("PosLeft", value));
  EXPECT_EQ(value, "0");
}
