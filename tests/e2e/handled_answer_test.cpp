// The system menu's "Handle the answer in code": off until the user turns it on, followed by Copy and Edit alike,
// and kept in the settings ("1"; anything else is off).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/messagebox_core.h"
#include "dialogs/openfile_core.h"
#include "resource.h"
#include "tests/e2e/generated_helpers.h"
#include "tests/e2e/hardening_helpers.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

class HandledAnswer : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
  void TearDown() override { ClearSettings(); }
};

std::string MessageBoxCode(bool handled) {
  return CopiedText(qm::GenerateMessageBox(qm::MessageBoxOptions{}, DefaultFrame(), qm::ctDelphiClassic, handled));
}

}  // namespace

TEST_F(HandledAnswer, TheMenuItemTurnsItOnForCopyAndEditAndTheSettingKeepsIt) {
  std::string value;
  {
    Program p;
    EXPECT_EQ(hardening::CopyFragment(p), MessageBoxCode(false));
    SendMessageW(p.main(), WM_SYSCOMMAND, IDM_HANDLE_ANSWER, 0);
    EXPECT_EQ(hardening::CopyFragment(p), MessageBoxCode(true));
    p.Click(IDC_tbnOpenDlg);
    const qm::GeneratedCode open = qm::GenerateOpenFile(qm::OpenFileOptions{}, DefaultFrame(), qm::ctDelphiClassic, true);
    EXPECT_EQ(hardening::CopyFragment(p), CopiedText(open));
    ExpectPanes(RunEdit(p), open);
    ASSERT_TRUE(p.Close());
  }
  ASSERT_TRUE(ReadSetting("HandleAnswer", value));
  EXPECT_EQ(value, "1");
  {
    Program again;
    again.Click(IDC_tbnMessageBox);
    EXPECT_EQ(hardening::CopyFragment(again), MessageBoxCode(true));
    // Off again: the code of before, and the setting says so.
    SendMessageW(again.main(), WM_SYSCOMMAND, IDM_HANDLE_ANSWER, 0);
    EXPECT_EQ(hardening::CopyFragment(again), MessageBoxCode(false));
    ASSERT_TRUE(again.Close());
  }
  ASSERT_TRUE(ReadSetting("HandleAnswer", value));
  EXPECT_EQ(value, "0");
  // Any other stored value is off.
  WriteSetting("HandleAnswer", "2");
  Program third;
  EXPECT_EQ(hardening::CopyFragment(third), MessageBoxCode(false));
}
