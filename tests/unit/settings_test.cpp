// The settings' value rules: reading numbers, defaults, the pane limits and the restored window position.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/settings_core.h"
#include "editor/pane_layout_core.h"

namespace qm {
namespace {

TEST(SettingsValues, NamesAndDefaults) {
  EXPECT_STREQ(kSettingsKey, "Software\\Orvenna");
  EXPECT_STREQ(kSettingsSection, "Quillmark");
  const Setting all[] = {kPosLeft, kPosTop, kDlgType, kActiveSheet, kUsesHt, kDeclHt, kImplHt};
  const char* names[] = {"PosLeft", "PosTop", "DlgType", "ActiveSheet", "UsesHt", "DeclHt", "ImplHt"};
  const std::int32_t defaults[] = {0, 0, 0, 0, 60, 100, 140};
  for (int i = 0; i < 7; ++i) {
    EXPECT_STREQ(all[i].name, names[i]);
    EXPECT_EQ(all[i].fallback, defaults[i]) << names[i];
  }
}

TEST(SettingsValues, ReadingFollowsStrToInt) {
  struct Case {
    std::optional<std::string> stored;
    std::int32_t expected;
  };
  const Case cases[] = {
      {std::nullopt, 42},              // missing, or stored with another type than string
      {"140", 140},
      {"0", 0},
      {"-4", -4},
      {"-1", -1},
      {"99", 99},
      {" 7", 7},                       // leading blanks are allowed
      {"+7", 7},
      {"$10", 16},                     // a hexadecimal number, as StrToInt reads it
      {"0x10", 16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"abc", 42},
      {"", 42},
      {"7 ", 42},                      // trailing blanks are not
      {"\t7", 42},
      {"1.5", 42},
      {"-", 42},
      {"2147483648", 42},              // does not fit 32 bits
      {"-2147483649", 42},
      {"99999999999999999999", 42},
      {std::string(10000, '9'), 42},
      {std::string(10000, 'a'), 42},
      {std::string(9999, ' ') + "7", 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SettingInteger(c.stored, 42), c.expected)
        << (c.stored ? c.stored->substr(0, 40) : std::string("(missing)"));
  }
}

TEST(SettingsValues, WrittenAsDecimalText) {
  EXPECT_EQ(SettingText(0), "0");
  EXPECT_EQ(SettingText(140), "140");
  EXPECT_EQ(SettingText(-4), "-4");
  EXPECT_EQ(SettingText(INT32_MIN), "-2147483648");
  EXPECT_EQ(SettingText(INT32_MAX), "2147483647");
}

TEST(SettingsValues, DialogKindIsOneByte) {
  EXPECT_EQ(DialogKindSetting(0), 0);
  EXPECT_EQ(DialogKindSetting(7), 7);
  EXPECT_EQ(DialogKindSetting(12), 12);
  EXPECT_EQ(DialogKindSetting(99), 99);
  EXPECT_EQ(DialogKindSetting(-1), 255);
  EXPECT_EQ(DialogKindSetting(256), 0);
  EXPECT_EQ(DialogKindSetting(263), 7);
  EXPECT_EQ(DialogKindSetting(INT32_MIN), 0);
}

TEST(SettingsValues, HandleAnswerIsOnlyOnForOne) {
  const auto on = [](std::optional<std::string> stored) {
    return HandleAnswerSetting(SettingInteger(stored, kHandleAnswer.fallback));
  };
  EXPECT_TRUE(on("1"));
  for (const char* wrong : {"0", "2", "-1", "yes", "", "1x"}) EXPECT_FALSE(on(wrong)) << wrong;
  EXPECT_FALSE(on(std::nullopt));
}

TEST(SettingsValues, ErrorTexts) {
  EXPECT_EQ(FormatWithName("Failed to create key %s", "Quillmark"), "Failed to create key Quillmark");
  EXPECT_EQ(FormatWithName("Failed to set data for '%s'", "UsesHt"), "Failed to set data for 'UsesHt'");
  // Only the first placeholder is filled, and a name is never read as a format.
  EXPECT_EQ(FormatWithName("%s and %s", "%s%d"), "%s%d and %s");
  EXPECT_EQ(FormatWithName("no placeholder", "x"), "no placeholder");
  EXPECT_EQ(FormatWithName("%s", std::string(5000, 'n')), std::string(5000, 'n'));
}

TEST(PaneLimits, EachPaneClampsToItsOwnLimits) {
  EXPECT_EQ(ClampPaneHeight(10, kUsesPaneLimits), 60);
  EXPECT_EQ(ClampPaneHeight(60, kUsesPaneLimits), 60);
  EXPECT_EQ(ClampPaneHeight(99, kUsesPaneLimits), 99);
  EXPECT_EQ(ClampPaneHeight(120, kUsesPaneLimits), 120);
  EXPECT_EQ(ClampPaneHeight(121, kUsesPaneLimits), 120);
  EXPECT_EQ(ClampPaneHeight(-1, kDeclPaneLimits), 80);
  EXPECT_EQ(ClampPaneHeight(100, kDeclPaneLimits), 100);
  EXPECT_EQ(ClampPaneHeight(500, kDeclPaneLimits), 140);
  EXPECT_EQ(ClampPaneHeight(7, kImplPaneLimits), 100);
  EXPECT_EQ(ClampPaneHeight(140, kImplPaneLimits), 140);
  EXPECT_EQ(ClampPaneHeight(500, kImplPaneLimits), 180);
  EXPECT_EQ(ClampPaneHeight(INT32_MIN, kImplPaneLimits), 100);
  EXPECT_EQ(ClampPaneHeight(INT32_MAX, kImplPaneLimits), 180);
}

// The editor's client area is the main window's, 376 pixels high: 330 pixels for the three panes.
constexpr int kSpace = 330;

void ExpectPanes(const PaneHeights& h, int uses, int decl, int impl) {
  EXPECT_EQ(h.uses, uses);
  EXPECT_EQ(h.decl, decl);
  EXPECT_EQ(h.impl, impl);
}

TEST(PaneLayout, DeclarationsTakeWhatIsLeft) {
  EXPECT_EQ(PaneSpace(376), kSpace);
  ExpectPanes(FitPanes(70, 120, kSpace), 70, 140, 120);   // the window's design
  ExpectPanes(FitPanes(60, 140, kSpace), 60, 130, 140);   // the defaults
  ExpectPanes(FitPanes(10, 500, kSpace), 60, 90, 180);    // stored 10 and 500, clamped
  ExpectPanes(FitPanes(99, 99, kSpace), 99, 131, 100);
  // Little left over: the middle pane stops at its maximum, as its limits say.
  ExpectPanes(FitPanes(7, 7, kSpace), 60, 140, 100);
  ExpectPanes(FitPanes(-1, -1, kSpace), 60, 140, 100);
}

TEST(PaneLayout, OuterPanesGiveWayRatherThanCover) {
  // 120 + 180 would leave 30: the implementation pane shrinks first.
  ExpectPanes(FitPanes(120, 180, kSpace), 120, 80, 130);
  ExpectPanes(FitPanes(INT32_MAX, INT32_MAX, kSpace), 120, 80, 130);
  // A space too small for all minimums: both outer panes at their minimum, the middle one gets the rest.
  ExpectPanes(FitPanes(120, 180, 200), 60, 40, 100);
  ExpectPanes(FitPanes(120, 180, 0), 60, 0, 100);
}

TEST(PaneLayout, SplittersKeepEveryPaneWithinItsLimits) {
  // Defaults: uses 60, implementation 140, declarations 130.
  HeightRange uses = UsesDragRange(60, 140, kSpace);
  EXPECT_EQ(uses.min, 60);
  EXPECT_EQ(uses.max, 110);   // declarations down to 80
  HeightRange impl = ImplDragRange(60, 140, kSpace);
  EXPECT_EQ(impl.min, 130);   // declarations up to 140
  EXPECT_EQ(impl.max, 180);
  impl = ImplDragRange(120, 100, kSpace);
  EXPECT_EQ(impl.min, 100);
  EXPECT_EQ(impl.max, 130);
  uses = UsesDragRange(60, 180, kSpace);
  EXPECT_EQ(uses.min, 60);
  EXPECT_EQ(uses.max, 70);
  // Nothing fits in a tiny space: the pane stays as it is.
  uses = UsesDragRange(75, 180, 100);
  EXPECT_EQ(uses.min, 75);
  EXPECT_EQ(uses.max, 75);
}

TEST(WindowPosition, RestoredWhereItWasUnlessNoMonitorShowsIt) {
  const ScreenRect primary{0, 0, 1280, 1024};
  const std::vector<ScreenRect> one{primary};
  const std::vector<ScreenRect> two{primary, {1280, 0, 2560, 1024}};
  auto at = [](ScreenPoint p, int x, int y) { return p.x == x && p.y == y; };
  EXPECT_TRUE(at(RestoredPosition(0, 0, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(244, 175, 582, 405, one, primary), 244, 175));
  // Partly off the screen: exactly where it was.
  EXPECT_TRUE(at(RestoredPosition(-4, -3, 582, 405, one, primary), -4, -3));
  EXPECT_TRUE(at(RestoredPosition(-581, 100, 582, 405, one, primary), -581, 100));
  EXPECT_TRUE(at(RestoredPosition(1279, 1023, 582, 405, one, primary), 1279, 1023));
  // Entirely off every monitor: the top left of the primary one.
  EXPECT_TRUE(at(RestoredPosition(-582, 100, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(1280, 0, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(100, 1024, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(2000, 10, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(INT32_MAX, INT32_MAX, 582, 405, one, primary), 0, 0));
  EXPECT_TRUE(at(RestoredPosition(INT32_MIN, INT32_MIN, 582, 405, one, primary), 0, 0));
  // On a second monitor that is still attached.
  EXPECT_TRUE(at(RestoredPosition(2000, 10, 582, 405, two, primary), 2000, 10));
  // A primary monitor that does not start at 0, 0.
  const ScreenRect moved{-1920, 0, 0, 1080};
  EXPECT_TRUE(at(RestoredPosition(5000, 5000, 582, 405, {moved}, moved), -1920, 0));
}

}  // namespace
}  // namespace qm
