// Text beyond the ANSI code page: where it crosses into Windows and back, what classic code refuses, and what the
// clipboard and the editor hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/text.h"
#include "resource.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// The error box's text, after it closes.
std::string ErrorBoxText(const Program& p) {
  HWND box = p.WaitForWindow("#32770");
  if (!box) return "(no error box)";
  std::string text;
  for (HWND c : Children(box))
    if (GetDlgCtrlID(c) == 0xFFFF) text = qm::Utf8(WideWindowText(c));
  PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
  WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(p.main()); });
  return text;
}

}  // namespace

TEST(TextBoundary, TheAnsiCheckAndTheBufferCut) {
  // Windows-1252 holds the accented letters and the euro sign, but no Cyrillic, no CJK, no emoji; a "best fit"
  // stand-in (A for A-macron) does not count as holding a character.
  EXPECT_EQ(qm::FirstCharacterOutside("Caf\xC3\xA9 \xC3\xBC\xC3\x9F \xE2\x82\xAC", 1252), "");
  EXPECT_EQ(qm::FirstCharacterOutside("ok \xD0\x96\xD1\x83\xD0\xBA", 1252), "\xD0\x96");
  EXPECT_EQ(qm::FirstCharacterOutside("\xE6\x96\x87", 1252), "\xE6\x96\x87");
  EXPECT_EQ(qm::FirstCharacterOutside("\xF0\x9F\x98\x80", 1252), "\xF0\x9F\x98\x80");
  EXPECT_EQ(qm::FirstCharacterOutside("\xC4\x80", 1252), "\xC4\x80");
  if (GetACP() == 1252) EXPECT_EQ(qm::AnsiText("\xE2\x82\xAC"), "\x80");

  // A path of 32,767 characters into a buffer of 261: 260 and the NUL, and a pair is never split at the cut.
  wchar_t buffer[261];
  qm::CopyToBuffer(std::string(32767, 'x'), buffer, 261);
  EXPECT_EQ(std::wstring(buffer), std::wstring(260, L'x'));
  const std::string almost = std::string(259, 'x') + "\xF0\x9F\x98\x80";
  qm::CopyToBuffer(almost, buffer, 261);
  EXPECT_EQ(std::wstring(buffer), std::wstring(259, L'x'));
}

TEST(Unicode, ClassicCodeRefusesWhatTheAnsiCodePageCannotHold) {
  Program p;
  PutClipboard("before");
  HWND caption = p.Ctl(IDC_cboCaption);
  SetWideText(caption, L"\u041F\u0440\u0438\u0432\u0435\u0442");
  p.PostClick(IDC_btnCopy);
  EXPECT_EQ(ErrorBoxText(p),
            "The text of \"Dialog Caption\" holds \"\xD0\x9F\", which Delphi before 2009 cannot hold in a string "
            "literal.");
  EXPECT_EQ(ClipboardText(), "before");
  EXPECT_EQ(WideWindowText(caption), L"\u041F\u0440\u0438\u0432\u0435\u0442");

  // Edit refuses the same way, and the editor does not open.
  SetWideText(caption, L"Information");
  SetWideText(p.Ctl(IDC_memText), L"ok \u6587\u5B57 \U0001F600");
  p.PostClick(IDC_btnEdit);
  EXPECT_EQ(ErrorBoxText(p),
            "The text of \"Dialog Title\" holds \"\xE6\x96\x87\", which Delphi before 2009 cannot hold in a string "
            "literal.");
  EXPECT_EQ(p.WaitForWindow("TEditForm", 300), nullptr);
}

TEST(Unicode, TheClipboardHoldsTheTextAndItsAnsiForm) {
  Program p;
  SetWideText(p.Ctl(IDC_memText), L"Caf\u00E9 \u00FCber Stra\u00DFe \u20AC");
  p.Click(IDC_btnCopy);
  const std::string line = "Result := MessageBox(Handle, PChar('Caf\xC3\xA9 \xC3\xBC" "ber Stra\xC3\x9F" "e \xE2\x82\xAC'), "
                           "PChar('Information'), 64);\r\n";
  const std::string unicode = qm::Utf8(WideClipboardText());
  EXPECT_NE(unicode.find(line), std::string::npos) << unicode;
  EXPECT_EQ(ClipboardText(), qm::AnsiText(unicode));
}

TEST(Unicode, TheEditorsPanesHoldAnyCharacter) {
  Program p;
  p.PostClick(IDC_btnEdit);
  HWND editor = p.WaitForWindow("TEditForm");
  ASSERT_TRUE(editor);
  const wchar_t* statement = L"  ShowMessage('\u0416\u0443\u043A \u6587\u5B57 \U0001F600');";
  SetWideText(ChildById(editor, IDC_memImpl), statement);
  const DWORD before = GetClipboardSequenceNumber();
  SendMessageW(ChildById(editor, IDC_btnCopyImpl), BM_CLICK, 0, 0);
  WaitUntil([&] { return GetClipboardSequenceNumber() != before; });
  EXPECT_EQ(WideClipboardText(), std::wstring(statement) + L"\r\n");
  PostMessageW(ChildById(editor, IDC_btnClose), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
}
