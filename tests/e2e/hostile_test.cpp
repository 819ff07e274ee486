// Hostile input in every text field of every panel: 30,000 characters, apostrophes, Windows-1252 characters,
// control characters (bytes 1 to 31) and the empty text, each followed by Copy, Edit and Reset. The program never
// crashes, keeps answering, and the next Copy works.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/string_grid_msgs.h"
#include "tests/e2e/hardening_helpers.h"

using namespace e2e;
using namespace e2e::hardening;

namespace {

struct HostileText {
  const char* name;
  std::string text;
};

std::vector<HostileText> HostileTexts() {
  std::string longText;
  while (longText.size() < 30000) longText += "Quillmark's \x93long\x94 text, ";
  longText.resize(30000);
  std::string controls;
  for (int c = 1; c < 32; ++c) controls += static_cast<char>(c);
  return {
      {"30,000 characters", longText},
      {"apostrophes", "'''Bob's 'file'''"},
      {"Windows-1252 characters", "\x80\x85\x8A\x91\x92\x93\x94\x96\x97\x99\xA0\xA9\xC4\xD6\xDC\xDF\xE4\xE9\xF6\xFC\xFF"},
      {"control characters", controls},
      {"the empty text", ""},
  };
}

// Puts the text into an edit field and tells its owner as typing would: EN_CHANGE for an edit, CBN_EDITCHANGE for
// the edit field of a combo box.
void Type(HWND edit, const std::string& text) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  HWND parent = GetParent(edit);
  if (ClassOf(parent) == "ComboBox")
    SendMessageA(GetParent(parent), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(parent), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(parent));
  else
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), EN_CHANGE), reinterpret_cast<LPARAM>(edit));
}

// A text field of a panel: an edit or memo, the edit field of a combo box, or one cell of a grid, which is written
// through the grid's in-place editor.
struct Field {
  HWND window;
  int col = -1;
  int row = -1;
};

std::vector<Field> TextFields(HWND panel, int gridRows) {
  std::vector<Field> fields;
  for (HWND child : Children(panel)) {
    const std::string cls = ClassOf(child);
    if (cls == "QmStringGrid") {
      const int columns = static_cast<int>(SendMessageA(child, SGM_GETCOLCOUNT, 0, 0));
      for (int row = 1; row <= gridRows; ++row)
        for (int col = 0; col < columns; ++col) fields.push_back({child, col, row});
    } else if (cls == "Edit" && ClassOf(GetParent(child)) != "QmStringGrid") {
      fields.push_back({child});
    }
  }
  return fields;
}

void Fill(const Field& field, const std::string& text) {
  if (field.row < 0) {
    Type(field.window, text);
    return;
  }
  if (!SendMessageA(field.window, SGM_SETCURRENTCELL, field.col, field.row)) return;
  Type(reinterpret_cast<HWND>(SendMessageA(field.window, SGM_GETEDITOR, 0, 0)), text);
  // Moving on makes the grid take the cell's text, as leaving a cell by keyboard or mouse does.
  SendMessageA(field.window, SGM_SETCURRENTCELL, field.col == 0 ? 1 : 0, field.row);
}

// Copy, Edit (opened and closed), Reset and Copy again, the program answering after each.
void CopyEditResetCopy(const Program& p) {
  EXPECT_TRUE(IsFragment(CopyFragment(p)));
  ASSERT_TRUE(Answers(p)) << "no answer after Copy";
  EXPECT_TRUE(EditOpenedAndClosed(p));
  ASSERT_TRUE(Answers(p)) << "no answer after Edit";
  p.Click(IDC_btnReset);
  ASSERT_TRUE(Answers(p)) << "no answer after Reset";
  EXPECT_TRUE(IsFragment(CopyFragment(p))) << "the Copy after Reset";
  ASSERT_TRUE(p.Running());
}

class HostileInput : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override { ClearSettings(); }
};

}  // namespace

TEST_P(HostileInput, EveryFieldThenCopyEditAndResetKeepTheProgramAnswering) {
  const Kind& kind = GetParam();
  Program p;
  ASSERT_TRUE(p.main());
  p.Click(kind.button);
  HWND panel = p.Ctl(kind.panel);
  ASSERT_TRUE(panel);
  const std::vector<HostileText> texts = HostileTexts();

  // The long text one field at a time (the first row of a grid): the editor's panes wrap their lines, and a wrapping
  // edit control takes time that grows with the square of a line's length, so a line that joins several such fields
  // would keep the program busy for minutes. The other texts go into every field at once.
  const std::vector<Field> fields = TextFields(panel, 1);
  ASSERT_FALSE(fields.empty()) << "the panel has no text field";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    SCOPED_TRACE(std::string(texts[0].name) + " in field " + std::to_string(i) + " (id " +
                 std::to_string(GetDlgCtrlID(fields[i].window)) + ")");
    Fill(fields[i], texts[0].text);
    ASSERT_TRUE(Answers(p)) << "no answer after the text was put in";
    CopyEditResetCopy(p);
    if (HasFatalFailure()) return;
  }
  for (std::size_t t = 1; t < texts.size(); ++t) {
    SCOPED_TRACE(texts[t].name);
    for (const Field& field : TextFields(panel, 3)) Fill(field, texts[t].text);
    ASSERT_TRUE(Answers(p)) << "no answer after the texts were put in";
    CopyEditResetCopy(p);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(AllPanels, HostileInput, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });
