// The browse-for-folder kind: the root tree, Copy and Edit, Test with Wine's folder picker, Reset.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialogs/browseforfolder_core.h"
#include "resource.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/pickers_helpers.h"

using namespace e2e;
using namespace pickers;

namespace {

// Wine's folder picker: the title text and its tree.
constexpr int kPickerTitle = 14146;
constexpr int kPickerTree = 14145;

class BrowseForFolderKind : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    PutClipboard("");
  }
};

// What the program should generate for the panel's values.
qm::GeneratedCode Code(const qm::BrowseForFolderOptions& options) {
  return qm::GenerateBrowseForFolder(options, DefaultFrame(), qm::ctDelphiClassic);
}

// The tree's nodes in depth-first order: the absolute indices the builder reads.
std::vector<HTREEITEM> Nodes(HWND tree) {
  std::vector<HTREEITEM> nodes;
  auto next = [&](HTREEITEM item, WPARAM how) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  };
  std::vector<HTREEITEM> stack;
  for (HTREEITEM top = next(nullptr, TVGN_ROOT); top; top = next(top, TVGN_NEXT)) stack.insert(stack.begin(), top);
  while (!stack.empty()) {
    HTREEITEM item = stack.back();
    stack.pop_back();
    nodes.push_back(item);
    std::vector<HTREEITEM> children;
    for (HTREEITEM c = next(item, TVGN_CHILD); c; c = next(c, TVGN_NEXT)) children.push_back(c);
    stack.insert(stack.end(), children.rbegin(), children.rend());
  }
  return nodes;
}

void SelectNode(const Program& p, int index) {
  HWND tree = p.Ctl(IDC_trvBrowseForFolder);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Nodes(tree).at(index)));
}

std::string CopyText(const Program& p) {
  PutClipboard("");
  p.Click(IDC_btnCopy);
  return ClipboardText();
}

}  // namespace

TEST_F(BrowseForFolderKind, StartValuesCopyAndEdit) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  EXPECT_EQ(p.Text(IDC_memBrowseForFolder), "Select folder");
  EXPECT_TRUE(p.Checked(IDC_rbnRETURNONLYFSDIRS));
  EXPECT_FALSE(p.Checked(IDC_rbnBROWSEFORCOMPUTER));
  EXPECT_FALSE(p.Checked(IDC_rbnBROWSEFORPRINTER));
  EXPECT_EQ(p.Text(IDC_edtResPIDL), "pidlResult");
  EXPECT_EQ(p.Text(IDC_edtString), "sResult");
  const qm::GeneratedCode code = Code({});
  EXPECT_EQ(CopyText(p), CopiedText(code));

  const EditorPanes panes = ReadEditor(p);
  EXPECT_EQ(panes.uses, PaneText(code.uses));
  EXPECT_EQ(panes.decl, PaneText(code.decl));
  EXPECT_EQ(panes.impl, PaneText(code.impl));
}

TEST_F(BrowseForFolderKind, TreeIsFixedFullyExpandedReadOnlyWithPictures) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  HWND tree = p.Ctl(IDC_trvBrowseForFolder);
  ASSERT_TRUE(tree);
  EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 9);
  EXPECT_EQ(SendMessageA(tree, TVM_GETINDENT, 0, 0), 20);
  EXPECT_NE(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
  const LONG style = GetWindowLongA(tree, GWL_STYLE);
  EXPECT_TRUE(style & TVS_SHOWSELALWAYS);
  EXPECT_FALSE(style & TVS_EDITLABELS);
  EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), 0);  // no node selected
  const std::vector<HTREEITEM> nodes = Nodes(tree);
  ASSERT_EQ(nodes.size(), 9u);
  // Desktop, My Computer, Start Menu and Control Panel have children, and all of them are open.
  for (int parent : {0, 2, 3, 5}) {
    const auto state = SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(nodes[parent]), TVIS_EXPANDED);
    EXPECT_TRUE(state & TVIS_EXPANDED) << parent;
  }
  // Every node is shown without opening anything, and all nine fit the tree.
  EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_LASTVISIBLE, 0), reinterpret_cast<LRESULT>(nodes[8]));
  EXPECT_GE(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0), 9);
}

TEST_F(BrowseForFolderKind, SelectedNodeGivesTheRootId) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  qm::BrowseForFolderOptions o;
  for (int node : {4, 6, 8, 1, 2, 3, 5, 7, 0}) {
    SelectNode(p, node);
    o.rootIndex = node;
    EXPECT_EQ(CopyText(p), CopiedText(Code(o))) << node;
  }
  SelectNode(p, 6);
  o.rootIndex = 6;
  EXPECT_EQ(ReadEditor(p).impl, PaneText(Code(o).impl));
}

TEST_F(BrowseForFolderKind, RestrictionsAndVariableNames) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  p.Click(IDC_rbnBROWSEFORCOMPUTER);
  qm::BrowseForFolderOptions o;
  o.restriction = qm::BffRestriction::Computers;
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
  p.Click(IDC_rbnBROWSEFORPRINTER);
  EXPECT_FALSE(p.Checked(IDC_rbnBROWSEFORCOMPUTER));
  o.restriction = qm::BffRestriction::Printers;
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));

  p.SetEditText(IDC_edtResPIDL, "");
  p.SetEditText(IDC_edtString, "");
  o.pidlVar = o.stringVar = "";
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
  p.SetEditText(IDC_edtResPIDL, "pidl'Folder");
  p.SetEditText(IDC_edtString, "sPath");
  o.pidlVar = "pidl'Folder";
  o.stringVar = "sPath";
  const qm::GeneratedCode code = Code(o);
  EXPECT_EQ(CopyText(p), CopiedText(code));
  EXPECT_EQ(ReadEditor(p).decl, PaneText(code.decl));
}

TEST_F(BrowseForFolderKind, TitleMemoLinesApostrophesAndNonAscii) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  p.SetEditText(IDC_memBrowseForFolder, "");
  qm::BrowseForFolderOptions o;
  o.titleLines = {};
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
  // The memo's last line break starts no further line.
  p.SetEditText(IDC_memBrowseForFolder, "Bob's folder\r\n\r\nCaf\xe9 \xc4rger\r\n");
  o.titleLines = {"Bob's folder", "", CoreText("Caf\xe9 \xc4rger")};
  const std::string copied = CopyText(p);
  EXPECT_EQ(copied, CopiedText(Code(o)));
  // Apostrophes and letters beyond ASCII go into the literal as they are.
  EXPECT_NE(copied.find("\r\n  lpszTitle := PChar('Bob's folder' + #10#13 + '' + #10#13 + 'Caf\xe9 \xc4rger');\r\n"),
            std::string::npos);
  std::string many;
  o.titleLines.clear();
  for (int i = 0; i < 30; ++i) {
    many += "line " + std::to_string(i) + "\r\n";
    o.titleLines.push_back("line " + std::to_string(i));
  }
  p.SetEditText(IDC_memBrowseForFolder, many);
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
}

TEST_F(BrowseForFolderKind, LongTitleWrapsIntoLinesAsTheMemoShowsThem) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  const std::string text = std::string(400, 'a') + " " + std::string(599, 'b');
  p.SetEditText(IDC_memBrowseForFolder, text);
  const std::string copied = CopyText(p);
  const std::string head = "  lpszTitle := PChar('";
  const std::size_t start = copied.find(head);
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = copied.find("');\r\n", start);
  std::string literal = copied.substr(start + head.size(), end - start - head.size());
  // The memo wraps the text into several lines; joined again they give every character back.
  const std::string join = "' + #10#13 + '";
  EXPECT_NE(literal.find(join), std::string::npos);
  std::string rejoined;
  for (std::size_t pos = 0;;) {
    std::size_t j = literal.find(join, pos);
    rejoined += literal.substr(pos, j == std::string::npos ? std::string::npos : j - pos);
    if (j == std::string::npos) break;
    pos = j + join.size();
  }
  std::string withoutBlanks = text;
  withoutBlanks.erase(std::remove(withoutBlanks.begin(), withoutBlanks.end(), ' '), withoutBlanks.end());
  rejoined.erase(std::remove(rejoined.begin(), rejoined.end(), ' '), rejoined.end());
  EXPECT_EQ(rejoined, withoutBlanks);
}

TEST_F(BrowseForFolderKind, TestShowsWinesFolderPickerWithTheTitle) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  p.SetEditText(IDC_memBrowseForFolder, "Pick Bob's folder \xe9");
  SelectNode(p, 2);  // My Computer
  p.PostClick(IDC_btnTest);
  HWND picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_EQ(WideText(ChildById(picker, kPickerTitle)), "Pick Bob's folder \xe9");
  EXPECT_TRUE(ChildById(picker, kPickerTree));
  EXPECT_TRUE(CancelDialog(p, picker));
  // Nothing of the choice reaches the panel.
  EXPECT_EQ(p.Text(IDC_memBrowseForFolder), "Pick Bob's folder \xe9");
  EXPECT_TRUE(Responsive(p));

  // Confirming a folder is not written back either.
  p.Click(IDC_rbnBROWSEFORCOMPUTER);
  SelectNode(p, 8);
  p.PostClick(IDC_btnTest);
  picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  PostMessageA(picker, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(picker) && IsWindowEnabled(p.main()); }));
  qm::BrowseForFolderOptions o;
  o.rootIndex = 8;
  o.titleLines = {CoreText("Pick Bob's folder \xe9")};
  o.restriction = qm::BffRestriction::Computers;
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
}

TEST_F(BrowseForFolderKind, TestWithAnEmptyOrLongTitle) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  p.SetEditText(IDC_memBrowseForFolder, "");
  p.PostClick(IDC_btnTest);
  HWND picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_EQ(WideText(ChildById(picker, kPickerTitle)), "");
  EXPECT_TRUE(CancelDialog(p, picker));

  const std::string longTitle(1000, 'T');
  p.SetEditText(IDC_memBrowseForFolder, longTitle);
  p.PostClick(IDC_btnTest);
  picker = p.WaitForWindow("#32770");
  ASSERT_TRUE(picker);
  EXPECT_EQ(WideText(ChildById(picker, kPickerTitle)), longTitle);
  EXPECT_TRUE(CancelDialog(p, picker));
  EXPECT_TRUE(Responsive(p));
}

TEST_F(BrowseForFolderKind, ResetKeepsTheVariableNames) {
  Program p;
  p.Click(IDC_tbnBrowseForFolder);
  p.SetEditText(IDC_memBrowseForFolder, "Other\r\ntitle");
  SelectNode(p, 6);
  p.Click(IDC_rbnBROWSEFORPRINTER);
  p.SetEditText(IDC_edtResPIDL, "pidl");
  p.SetEditText(IDC_edtString, "s");
  p.Click(IDC_btnReset);
  EXPECT_EQ(p.Text(IDC_memBrowseForFolder), "Select folder");
  EXPECT_EQ(SendMessageA(p.Ctl(IDC_trvBrowseForFolder), TVM_GETNEXTITEM, TVGN_CARET, 0), 0);
  EXPECT_TRUE(p.Checked(IDC_rbnRETURNONLYFSDIRS));
  EXPECT_FALSE(p.Checked(IDC_rbnBROWSEFORPRINTER));
  EXPECT_EQ(p.Text(IDC_edtResPIDL), "pidl");
  EXPECT_EQ(p.Text(IDC_edtString), "s");
  qm::BrowseForFolderOptions o;
  o.pidlVar = "pidl";
  o.stringVar = "s";
  EXPECT_EQ(CopyText(p), CopiedText(Code(o)));
}
