// The program at every display scaling: it reads the DPI when it starts, and every control of the main window and of
// every kind's panel stands where it stands at 96 DPI, times DPI / 96; no caption is wider than its control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "resource.h"
#include "tests/e2e/hardening_helpers.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// The display scaling that programs started from now on read (Windows keeps it here; so does Wine).
class DisplayScaling {
 public:
  explicit DisplayScaling(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~DisplayScaling() {
    if (had_) RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    else RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }
  DisplayScaling(const DisplayScaling&) = delete;
  DisplayScaling& operator=(const DisplayScaling&) = delete;

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool had_ = false;
};

struct Control {
  std::string path;  // class and id of the control and of each parent up to the main window
  std::string cls;
  RECT rect;         // in the parent's client area
  HWND hwnd;
};

bool IsLaidOutByWindows(HWND parent) {
  // The parts of a combo box and the cell editor of a grid are placed by their control, not by the program.
  const std::string cls = ClassOf(parent);
  return cls == "ComboBox" || cls == "QmStringGrid";
}

// Every control below the main window, once every kind's panel has been shown.
std::vector<Control> Controls(const Program& p) {
  for (const auto& k : hardening::kKinds) p.Click(k.button);
  std::vector<Control> all;
  for (HWND h : Children(p.main())) {
    HWND parent = GetParent(h);
    if (IsLaidOutByWindows(parent)) continue;
    Control c{"", ClassOf(h), {}, h};
    for (HWND w = h; w && w != p.main(); w = GetParent(w))
      c.path = ClassOf(w) + "#" + std::to_string(GetDlgCtrlID(w)) + "/" + c.path;
    GetWindowRect(h, &c.rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&c.rect), 2);
    all.push_back(c);
  }
  return all;
}

HFONT FormFontAt(int dpi, bool bold) {
  return CreateFontA(MulDiv(-11, dpi, 96), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     "MS Sans Serif");
}

// How much wider than its caption a control must be: a check box's box and gap, a group box's indents, a push
// button's frame.
int Room(HWND h, int dpi) {
  const LONG style = GetWindowLongA(h, GWL_STYLE);
  if (ClassOf(h) != "Button") return 0;
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: case BS_3STATE:
    case BS_AUTO3STATE:
      return MulDiv(13 + 4, dpi, 96);
    case BS_GROUPBOX:
      return MulDiv(2 * 8, dpi, 96);
    default:
      return MulDiv(2 * 3, dpi, 96);
  }
}

// The captions of labels and buttons that are wider or, wrapped, taller than their control, measured with the form
// font at this DPI (bold where the program makes the caption bold).
std::vector<std::string> CaptionsThatDoNotFit(const std::vector<Control>& controls, int dpi) {
  std::vector<std::string> wrong;
  std::size_t measured = 0;
  HDC dc = GetDC(nullptr);
  HFONT normal = FormFontAt(dpi, false), bold = FormFontAt(dpi, true);
  for (const Control& c : controls) {
    if (c.cls != "Static" && c.cls != "Button") continue;
    const LONG style = GetWindowLongA(c.hwnd, GWL_STYLE);
    if (c.cls == "Static" && (style & SS_TYPEMASK) > SS_RIGHT && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) continue;
    if (c.cls == "Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) continue;
    std::wstring text = WideWindowText(c.hwnd);
    if (text.empty()) continue;
    const int id = GetDlgCtrlID(c.hwnd);
    const bool isBold = id == IDC_GroupBox1;
    SelectObject(dc, isBold ? bold : normal);
    const int width = c.rect.right - c.rect.left - Room(c.hwnd, dpi);
    const bool wraps = c.cls == "Static" && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP &&
                       !(style & SS_CENTERIMAGE);
    ++measured;
    RECT need{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    if (need.right > width || (wraps && need.bottom > c.rect.bottom - c.rect.top))
      wrong.push_back(c.path + " \"" + WindowText(c.hwnd) + "\" needs " + std::to_string(need.right) + "x" +
                      std::to_string(need.bottom) + ", has " + std::to_string(width) + "x" +
                      std::to_string(c.rect.bottom - c.rect.top));
  }
  if (measured < 120) wrong.push_back("only " + std::to_string(measured) + " captions measured");
  DeleteObject(normal);
  DeleteObject(bold);
  ReleaseDC(nullptr, dc);
  return wrong;
}

std::vector<Control> ControlsAt(DWORD dpi, std::vector<std::string>& misfits) {
  DisplayScaling scaling(dpi);
  ClearSettings();
  Program p;
  if (!p.main()) return {};
  std::vector<Control> controls = Controls(p);
  misfits = CaptionsThatDoNotFit(controls, static_cast<int>(dpi));
  return controls;
}

// Every control of the running program where the design (the controls at 96 DPI) puts it at this DPI, within a
// pixel per 96 DPI; its captions fit; the client area is the design's.
void ExpectLaidOutAt(const Program& p, const std::vector<Control>& design, int dpi) {
  const std::vector<Control> scaled = Controls(p);
  ASSERT_EQ(scaled.size(), design.size());
  const double tolerance = dpi / 96.0;
  for (std::size_t i = 0; i < design.size(); ++i) {
    const Control& d = design[i];
    const Control& s = scaled[i];
    ASSERT_EQ(s.path, d.path);
    // A page of kind buttons fills what the tab control leaves inside its frame, whose borders Windows draws at the
    // same width at every scaling: the page lies within that area.
    const int id = GetDlgCtrlID(s.hwnd);
    if (id == IDC_Standard || id == IDC_Shell) {
      RECT tabs;
      GetWindowRect(p.Ctl(IDC_PageControl), &tabs);
      MapWindowPoints(nullptr, GetParent(s.hwnd), reinterpret_cast<POINT*>(&tabs), 2);
      RECT area{0, 0, tabs.right - tabs.left, tabs.bottom - tabs.top};
      SendMessageA(p.Ctl(IDC_PageControl), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
      OffsetRect(&area, tabs.left, tabs.top);
      RECT inside;
      EXPECT_TRUE(IntersectRect(&inside, &s.rect, &area) && EqualRect(&inside, &s.rect)) << s.path;
      continue;
    }
    const LONG want[4] = {d.rect.left, d.rect.top, d.rect.right, d.rect.bottom};
    const LONG got[4] = {s.rect.left, s.rect.top, s.rect.right, s.rect.bottom};
    for (int e = 0; e < 4; ++e) {
      // A combo box is as high as its font makes it: only its width is the design's.
      if (d.cls == "ComboBox" && e == 3) continue;
      EXPECT_LE(std::fabs(got[e] - want[e] * dpi / 96.0), tolerance)
          << d.path << " edge " << e << ": " << got[e] << " at " << dpi << " DPI, " << want[e] << " at 96";
    }
  }
  EXPECT_EQ(CaptionsThatDoNotFit(scaled, dpi), std::vector<std::string>{});
  RECT client;
  GetClientRect(p.main(), &client);
  EXPECT_EQ(client.right, MulDiv(576, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(376, dpi, 96));
}

}  // namespace

TEST(DisplayScaling, EveryControlStandsWhereItsDesignSaysAtEveryScaling) {
  std::vector<std::string> misfits;
  const std::vector<Control> design = ControlsAt(96, misfits);
  ASSERT_GT(design.size(), 200u);
  EXPECT_EQ(misfits, std::vector<std::string>{});
  for (DWORD dpi : {120u, 144u, 192u}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    DisplayScaling scaling(dpi);
    ClearSettings();
    Program p;
    ASSERT_TRUE(p.main());
    ExpectLaidOutAt(p, design, static_cast<int>(dpi));
  }
}

// Moved to a monitor with another scaling, the window takes the rectangle Windows suggests and lays itself out again
// from the design: as if it had started there.
TEST(DisplayScaling, AMoveToAnotherScalingLaysTheWindowOutAgain) {
  std::vector<std::string> misfits;
  const std::vector<Control> design = ControlsAt(96, misfits);
  ClearSettings();
  Program p;
  ASSERT_TRUE(p.main());
  RECT r;
  GetWindowRect(p.main(), &r);
  r.right = r.left + (r.right - r.left) * 3 / 2;
  r.bottom = r.top + (r.bottom - r.top) * 3 / 2;
  // The suggested rectangle travels in the program's memory, as Windows passes it.
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, p.pid());
  ASSERT_TRUE(process);
  void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_TRUE(remote && WriteProcessMemory(process, remote, &r, sizeof r, nullptr));
  SendMessageA(p.main(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  ExpectLaidOutAt(p, design, 144);
}

// The editor's pane heights are kept as design heights, so that they mean the same on every machine.
TEST(DisplayScaling, TheEditorKeepsItsPaneHeightsAtTheDesignScaling) {
  DisplayScaling scaling(144);
  ClearSettings();
  WriteSetting("UsesHt", "90");
  WriteSetting("ImplHt", "150");
  {
    Program p;
    ASSERT_TRUE(p.main());
    p.PostClick(IDC_btnEdit);
    HWND editor = p.WaitForWindow("TEditForm");
    ASSERT_TRUE(editor);
    auto height = [&](int id) {
      RECT r{};
      GetWindowRect(ChildById(editor, id), &r);
      return r.bottom - r.top;
    };
    EXPECT_EQ(height(IDC_pnlUses), 135);
    EXPECT_EQ(height(IDC_pnlImpl), 225);
    ASSERT_TRUE(p.Close());
  }
  std::string value;
  ASSERT_TRUE(ReadSetting("UsesHt", value));
  EXPECT_EQ(value, "90");
  ASSERT_TRUE(ReadSetting("ImplHt", value));
  EXPECT_EQ(value, "150");
}
