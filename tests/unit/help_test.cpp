// The help table behind "What's this?" and the help document it points into.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/help_core.h"
#include "resource.h"

using namespace qm;

namespace {

std::string HelpDocument() {
  std::string path = __FILE__;
  path = path.substr(0, path.find_last_of("/\\"));   // tests/unit
  path = path.substr(0, path.find_last_of("/\\"));   // tests
  path = path.substr(0, path.find_last_of("/\\"));   // the source tree
  std::ifstream in(path + "/resources/Quillmark.html", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(HelpTable, TheNumberedControlsCarryTheirHelpContexts) {
  EXPECT_EQ(HelpContextOfControl(IDC_GroupBox1), 3101);
  EXPECT_EQ(HelpContextOfControl(IDC_GroupBox2), 3102);
  EXPECT_EQ(HelpContextOfControl(IDC_memText), 3103);
  EXPECT_EQ(HelpContextOfControl(IDC_grpMB), 3104);
  EXPECT_EQ(HelpContextOfControl(IDC_rbnAPPLMODAL), 3105);
  EXPECT_EQ(HelpContextOfControl(IDC_rbnTASKMODAL), 3106);
  EXPECT_EQ(HelpContextOfControl(IDC_rbnSYSTEMMODAL), 3107);
  EXPECT_EQ(HelpContextOfControl(IDC_edtVarName), 3108);
  EXPECT_EQ(HelpContextOfControl(IDC_chkAsProcedure), 3109);
  EXPECT_EQ(HelpContextOfControl(IDC_memUses), 7001);
  EXPECT_EQ(HelpContextOfControl(IDC_memDecl), 7002);
  EXPECT_EQ(HelpContextOfControl(IDC_memImpl), 7003);
}

TEST(HelpTable, CommandsKindButtonsAndLabelsFindTheirTopics) {
  EXPECT_EQ(HelpContextOfControl(IDC_btnTest), 3020);
  EXPECT_EQ(HelpContextOfControl(IDC_btnAbout), 3026);
  EXPECT_EQ(HelpContextOfControl(IDC_tbnRunDlg), 3010);
  EXPECT_EQ(HelpContextOfControl(IDC_pnlMessageBox), 3100);
  // A label shares the topic of the field it names; both placeholders share one topic.
  EXPECT_EQ(HelpContextOfControl(IDC_Label2), 3103);
  EXPECT_EQ(HelpContextOfControl(IDC_Label1), 3108);
  EXPECT_EQ(HelpContextOfControl(IDC_tbnArrow1), HelpContextOfControl(IDC_tbnArrow2));
  // The button-set buttons have none of their own: they are found through the group box around them.
  EXPECT_EQ(HelpContextOfControl(IDC_btnOK_1), 0);
  EXPECT_EQ(HelpContextOfControl(0), 0);
  EXPECT_EQ(HelpContextOfControl(-1), 0);
  EXPECT_EQ(HelpContextOfWindowClass("TMainForm"), 3000);
  EXPECT_EQ(HelpContextOfWindowClass("TEditForm"), 7000);
  EXPECT_EQ(HelpContextOfWindowClass("TAboutBox"), 0);
}

TEST(HelpTable, EveryTopicHasOneNumberOneControlAndAShortPlainText) {
  std::set<int> contexts;
  std::set<std::string> names;
  for (const HelpTopic& t : HelpTopics()) {
    EXPECT_TRUE(contexts.insert(t.context).second) << "number used twice: " << t.context;
    EXPECT_TRUE(names.insert(t.control).second) << "control named twice: " << t.control;
    const std::string text = t.text;
    EXPECT_FALSE(text.empty()) << t.control;
    // The string table's texts are read into a buffer of 1024 characters.
    EXPECT_LT(text.size(), 400u) << t.control;
    EXPECT_EQ(text.back(), '.') << t.control;
    EXPECT_EQ(text.find('"'), std::string::npos) << t.control;
    EXPECT_EQ(text.find('&'), std::string::npos) << t.control;
    EXPECT_EQ(HelpText(t.context), text);
    EXPECT_FALSE(HelpAnchor(t.context).empty()) << t.context;
    // The numbers stay clear of the fixed string-table entries of the program (65296 and up).
    EXPECT_GE(t.context, 3000);
    EXPECT_LT(t.context, 7100);
  }
  for (const HelpAlias& a : HelpAliases()) {
    EXPECT_TRUE(contexts.count(a.context)) << a.control << " shares a topic that does not exist";
    EXPECT_TRUE(names.insert(a.control).second) << "control named twice: " << a.control;
  }
  EXPECT_EQ(HelpText(1), "");
  EXPECT_EQ(HelpText(9999), "");
}

TEST(HelpTable, ControlIdsAreTakenFromResourceHWhenItNamesThem) {
  EXPECT_EQ(ParseControlId("1020"), 1020);
  EXPECT_EQ(ParseControlId("(1800)"), 1800);
  EXPECT_EQ(ParseControlId(" 7 "), 7);
  EXPECT_EQ(ParseControlId("IDC_OpenTitle"), 0);
  EXPECT_EQ(ParseControlId("12a"), 0);
  EXPECT_EQ(ParseControlId(""), 0);
  EXPECT_EQ(ParseControlId("99999999999"), 0);
  for (const HelpTopic& t : HelpTopics()) {
    if (t.controlId) {
      EXPECT_EQ(HelpContextOfControl(t.controlId), t.context) << t.control;
    }
  }
}

TEST(HelpDocument, EveryTopicPointsIntoASectionOfTheGuide) {
  const std::string html = HelpDocument();
  ASSERT_FALSE(html.empty()) << "resources/Quillmark.html is missing";
  EXPECT_EQ(HelpAnchor(kHelpContents), "");
  EXPECT_NE(html.find("id=\"contents\""), std::string::npos);
  std::set<std::string> anchors;
  for (const HelpTopic& t : HelpTopics()) anchors.insert(HelpAnchor(t.context));
  EXPECT_EQ(anchors.size(), 14u);  // the main window, twelve dialogs, the editor
  for (const std::string& anchor : anchors) {
    EXPECT_NE(html.find("id=\"" + anchor + "\""), std::string::npos) << anchor;
    EXPECT_NE(html.find("href=\"#" + anchor + "\""), std::string::npos) << anchor << " is not in the contents";
  }
}

TEST(HelpDocument, TheGuideCoversEveryDialogCommandKeyAndSetting) {
  const std::string html = HelpDocument();
  for (const char* name : {"MessageBox", "GetOpenFileName", "GetSaveFileName", "ChooseColor", "ChooseFont", "PrintDlg",
                           "SHBrowseForFolder", "SHRunFile", "SHFormatDrive", "SHAbout", "SHPickIcon",
                           "SHFileOperation"})
    EXPECT_NE(html.find(name), std::string::npos) << name;
  for (const char* key : {"Ctrl+T", "Ctrl+C", "Ctrl+E", "Esc", "Ctrl+U", "Ctrl+D", "Ctrl+I", "Ctrl+A", "F1"})
    EXPECT_NE(html.find(std::string("<kbd>") + key + "</kbd>"), std::string::npos) << key;
  for (const char* value : {"PosLeft", "PosTop", "DlgType", "ActiveSheet", "UsesHt", "DeclHt", "ImplHt", "Target",
                            "HandleAnswer", "Software\\Orvenna\\Quillmark"})
    EXPECT_NE(html.find(value), std::string::npos) << value;
  // The document declares the code page its text is written in, and the text stays within it.
  EXPECT_NE(html.find("charset=\"windows-1252\""), std::string::npos);
  for (unsigned char c : html) EXPECT_LT(c, 0x80);
}
