#include "about/about_box.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "about/about_core.h"
#include "about/system_info.h"
#include "about/vkcontrols.h"
#include "app/dpi.h"
#include "app/form.h"
#include "app/gdi_cache.h"
#include "app/help.h"
#include "app/help_core.h"
#include "app/text.h"
#include "app/win_util.h"
#include "app/window.h"
#include "resource.h"

namespace qm {

namespace {

const char kApplicationTitle[] = "Quillmark";
constexpr int kDesignWidth = 440;
constexpr int kDesignHeight = 295;
constexpr vk::TColor kBackground = 0xE9E9E9;  // 15329769, a light grey
constexpr int kTitleHeight = 35;
constexpr int kMenuHeight = 21;
constexpr int kBottomHeight = 42;
constexpr vk::TColor clWindowText = kSystemColor | COLOR_WINDOWTEXT;
// Posted by the clock measurement's thread when the processor's speed is known.
constexpr UINT kClockMeasuredMessage = WM_APP + 1;

// The maker's contact points.
const char kSiteURL[] = "https://orvenna.example/quillmark";
const char kMailAddress[] = "quillmark@orvenna.example";
const char kMailURL[] = "mailto:quillmark@orvenna.example";
const char kNotice[] = "Copyright \xC2\xA9 Orvenna. All rights reserved.";
const char kAddress[] = "Orvenna, 7 Inkwell Row, Marrow Bay";

enum class Page { General, SystemInfo, Update, Acknowledgements };

struct PageInfo {
  Page page;
  int panelId;
  UINT titleId;
};
const PageInfo kPages[] = {
    {Page::General, IDC_pnlGeneral, IDS_GENERALINFO},
    {Page::SystemInfo, IDC_pnlSysInfo, IDS_SYSTEMINFO},
    {Page::Update, IDC_pnlUpdate, IDS_UPDATEPAGE},
    {Page::Acknowledgements, IDC_pnlAcknowledgements, IDS_ACKNOWLEDGEMENTS},
};

// The page labels of the menu strip, left to right.
struct MenuItem {
  int id;
  const char* caption;
  Page page;
};
const MenuItem kMenu[] = {
    {IDC_lblGeneral, "&General", Page::General},
    {IDC_lblUpdate, "&Update", Page::Update},
    {IDC_lblSystemInfo, "&System Info", Page::SystemInfo},
    {IDC_lblAcknowledgements, "&Acknowledgements", Page::Acknowledgements},
};

VkFont MakeFont(const char* name, int height, bool bold, vk::TColor color) {
  VkFont f;
  f.name = name;
  f.height = height;
  f.bold = bold;
  f.color = color;
  return f;
}

class TAboutBox : public Window, public KeyPreview {
 public:
  explicit TAboutBox(HWND owner);
  ~TAboutBox() override;
  TAboutBox(const TAboutBox&) = delete;
  TAboutBox& operator=(const TAboutBox&) = delete;

  void ShowModal();

  void FormKeyDown(WPARAM key) override;
  void lblOKClick() { Close(); }
  void lblGeneralClick() { SelectPage(Page::General); }
  void lblUpdateClick() { SelectPage(Page::Update); }
  void lblSystemInfoClick() { SelectPage(Page::SystemInfo); }
  void lblAcknowledgementsClick() { SelectPage(Page::Acknowledgements); }
  void vkLabel2Click() {
    RunCommand(hwnd(), [&] { OpenHelp(hwnd(), kHelpContents); });
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateControls();
  void CreateGeneralPage(HWND page, int width);
  void CreateUpdatePage(HWND page);
  void CreateSysInfoPage(HWND page, int width);
  void CreateAcknowledgementsPage(HWND page, int width);
  void SelectPage(Page page);
  void RemoveCaption();
  void ShowPictures();
  // Hands the picture to its label and deletes the copy that the label kept of the one before, if it made one.
  void SetPicture(HBITMAP picture);
  // The strips fill the client area's width, the pages what is between them, at every DPI.
  void AlignPanels();
  // The labels that take the size of their text, placed after it (the menu strip's, Help, OK).
  void PlaceLabels();
  void DpiChanged(WPARAM wp, LPARAM lp);
  void ReadVersion();
  void ReadSystemInfo();
  bool PressMnemonic(char key);
  void Close();

  int Dpi() const { return DpiOf(hwnd()); }
  HFONT Font(const char* face, int height, bool bold);
  // The font at the design height, or smaller where a substitute for a missing face would not fit the text in.
  HFONT FittingFont(const char* face, int height, bool bold, const char* text, int width);
  TvkPanel* Panel(int id, int x, int y, int w, int h);
  HWND Label(HWND parent, int id, const char* text, int x, int y, int w, int h, HFONT font, DWORD extra = 0);
  TvkURL* Link(HWND parent, int id, const char* caption, const char* url, int x, int y, int height);
  // Puts a label that sizes itself at design position x, y and records its design rectangle.
  void Anchor(HWND label, int x, int y);
  HWND Item(int id) const { return FindControl(hwnd(), id); }

  HWND owner_;
  TvkPanel* title_ = nullptr;
  Page page_ = Page::General;
  HBITMAP picture_ = nullptr;  // the cached picture last given to the acknowledgement label
  std::string processor_;  // the processor's identifier
  std::unique_ptr<ClockMeasurement> clock_;
};

TAboutBox::TAboutBox(HWND owner) : owner_(owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // The class keeps its brush for the whole run.
  static const WindowClass kClass{L"TAboutBox", 0, CreateSolidBrush(ToRgb(kBackground)),
                                  LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUILLMARK))};
  // The form as designed: a dialog of 440 by 295 with a caption, which creation then takes away; at the owner's DPI.
  const int dpi = owner ? DpiOf(owner) : SystemDpi();
  if (!Create(kClass, WS_EX_DLGMODALFRAME, "About Quillmark for Delphi",
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, Scale(kDesignWidth, dpi),
              Scale(kDesignHeight, dpi), owner, nullptr))
    throw AppError("Cannot create the About window");
  SetLayoutDpi(hwnd(), dpi);
  CreateControls();
  SelectPage(Page::General);
  RemoveCaption();
  SelectPage(Page::General);
  ShowPictures();
  ReadVersion();
  ReadSystemInfo();
}

TAboutBox::~TAboutBox() {
  clock_.reset();  // a measurement still running stops here and posts nothing to the window that goes next
  if (HWND window = hwnd()) {
    SetPicture(nullptr);
    DestroyWindow(window);
    ForgetControls(window);
  }
}

HFONT TAboutBox::Font(const char* face, int height, bool bold) {
  return DesignFont(Wide(face).c_str(), height, bold ? FW_BOLD : FW_NORMAL, false, Dpi());
}

HFONT TAboutBox::FittingFont(const char* face, int height, bool bold, const char* text, int width) {
  ScopedGetDC dc(nullptr);
  const std::wstring wide = Wide(text);
  for (int h = height;; ++h) {
    HFONT font = Font(face, h, bold);
    SIZE extent{};
    {
      ScopedSelectObject select(dc.get(), font);
      GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    }
    if (extent.cx <= Scale(width, Dpi()) || h >= -8) return font;  // too wide: a pixel smaller
  }
}

TvkPanel* TAboutBox::Panel(int id, int x, int y, int w, int h) {
  TvkPanel* panel = TvkPanel::Create(hwnd(), id, 0, 0, 0, 0);
  if (!panel) throw AppError("Cannot create the About window");
  PlaceDesign(panel->hwnd(), x, y, w, h);
  return panel;
}

HWND TAboutBox::Label(HWND parent, int id, const char* text, int x, int y, int w, int h, HFONT font, DWORD extra) {
  HWND label = CreateWindowExW(0, L"STATIC", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | extra, 0, 0, 0,
                               0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  PlaceDesign(label, x, y, w, h);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void TAboutBox::Anchor(HWND label, int x, int y) {
  const int dpi = Dpi();
  SetWindowPos(label, nullptr, Scale(x, dpi), Scale(y, dpi), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r;
  GetClientRect(label, &r);
  // The size is the text's at this DPI; at another the label measures itself again (WM_DPICHANGED_AFTERPARENT).
  SetDesignRect(label, x, y, Unscale(r.right, dpi), Unscale(r.bottom, dpi));
}

TvkURL* TAboutBox::Link(HWND parent, int id, const char* caption, const char* url, int x, int y, int height) {
  TvkURL* link = TvkURL::Create(parent, id, 0, 0);
  if (!link) return nullptr;
  link->URL = url;
  // Hyperlinks are blue and turn red while the mouse is over them.
  VkFont font = MakeFont("MS Sans Serif", height, false, vk::clBlue);
  font.underline = true;
  link->SetFont(font);
  font.color = vk::clRed;
  link->SetHotFont(font);
  link->SetCaption(caption);
  Anchor(link->hwnd(), x, y);
  return link;
}

void TAboutBox::CreateControls() {
  // The client area in design pixels: the window's size was scaled, its frame is the system's.
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = Unscale(client.right, Dpi());
  const int height = Unscale(client.bottom, Dpi());

  title_ = Panel(IDC_pnlTitle, 0, 0, width, kTitleHeight);
  title_->SetBevelOuter(vk::bvNone);
  title_->SetAlignment(vk::taLeftJustify);
  VkFont titleFont = MakeFont("Arial", -21, false, vk::clWhite);
  titleFont.italic = true;
  title_->SetFont(titleFont);
  title_->SetBackGroundEffect(vk::bdUp);
  title_->SetColorStart(vk::clBlue);
  title_->SetColorEnd(vk::clAqua);
  title_->SetColorShadow(vk::clNavy);

  TvkPanel* menu = Panel(IDC_pnlMenu, 0, kTitleHeight, width, kMenuHeight);
  menu->SetColor(vk::clBlack);
  menu->SetColorStart(vk::clBlack);
  menu->SetBackGroundEffect(vk::bdFlat);
  menu->SetBevelInner(vk::bvLowered);
  const VkFont menuFont = MakeFont("Arial", -12, true, kBackground);
  VkFont menuHot = menuFont;
  menuHot.color = vk::clWhite;
  for (const MenuItem& item : kMenu) {
    TvkLabel* label = TvkLabel::Create(menu->hwnd(), item.id, item.caption, 0, 0);
    if (!label) continue;
    label->SetFont(menuFont);
    label->SetHotFont(menuHot);
    const Page page = item.page;
    label->OnClick = [this, page](TvkLabel&) {
      switch (page) {
        case Page::General: lblGeneralClick(); break;
        case Page::Update: lblUpdateClick(); break;
        case Page::SystemInfo: lblSystemInfoClick(); break;
        case Page::Acknowledgements: lblAcknowledgementsClick(); break;
      }
    };
  }

  const int pagesTop = kTitleHeight + kMenuHeight;
  const int pageHeight = height - pagesTop - kBottomHeight;
  for (const PageInfo& info : kPages) {
    TvkPanel* page = Panel(info.panelId, 0, pagesTop, width, pageHeight);
    page->SetColor(vk::clWhite);
    page->SetColorStart(vk::clWhite);
    page->SetBackGroundEffect(vk::bdFlat);
    page->SetBevelOuter(vk::bvLowered);
    page->SetBevelInner(vk::bvRaised);
    switch (info.page) {
      case Page::General: CreateGeneralPage(page->hwnd(), width); break;
      case Page::Update: CreateUpdatePage(page->hwnd()); break;
      case Page::SystemInfo: CreateSysInfoPage(page->hwnd(), width); break;
      case Page::Acknowledgements: CreateAcknowledgementsPage(page->hwnd(), width); break;
    }
  }

  TvkPanel* bottom = Panel(IDC_pnlBottom, 0, height - kBottomHeight, width, kBottomHeight);
  bottom->SetColor(clWindow);
  bottom->SetColorStart(clWindow);
  bottom->SetBackGroundEffect(vk::bdFlat);
  bottom->SetBevelOuter(vk::bvNone);
  const VkFont bottomFont = MakeFont("Arial", -16, true, clWindowText);
  VkFont bottomHot = bottomFont;
  bottomHot.color = vk::clBlue;
  if (TvkLabel* help = TvkLabel::Create(bottom->hwnd(), IDC_vkLabel2, "Help", 0, 0)) {
    help->SetFont(bottomFont);
    help->SetHotFont(bottomHot);
    help->OnClick = [this](TvkLabel&) { vkLabel2Click(); };
  }
  if (TvkLabel* ok = TvkLabel::Create(bottom->hwnd(), IDC_lblOK, "OK", 0, 0)) {
    ok->SetFont(bottomFont);
    ok->SetHotFont(bottomHot);
    ok->OnClick = [this](TvkLabel&) { lblOKClick(); };
  }
  AlignPanels();
  PlaceLabels();
}

void TAboutBox::AlignPanels() {
  const int dpi = Dpi();
  RECT client;
  GetClientRect(hwnd(), &client);
  const int w = client.right;
  const int h = client.bottom;
  const int pagesTop = Scale(kTitleHeight + kMenuHeight, dpi);
  const int bottom = Scale(kBottomHeight, dpi);
  auto place = [](HWND panel, int x, int y, int cx, int cy) {
    SetWindowPos(panel, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(Item(IDC_pnlTitle), 0, 0, w, Scale(kTitleHeight, dpi));
  place(Item(IDC_pnlMenu), 0, Scale(kTitleHeight, dpi), w, Scale(kMenuHeight, dpi));
  for (const PageInfo& info : kPages) place(Item(info.panelId), 0, pagesTop, w, h - pagesTop - bottom);
  place(Item(IDC_pnlBottom), 0, h - bottom, w, bottom);
}

void TAboutBox::PlaceLabels() {
  const int dpi = Dpi();
  auto designSize = [dpi](HWND label) {
    RECT r{};
    if (label) GetClientRect(label, &r);
    return SIZE{Unscale(r.right, dpi), Unscale(r.bottom, dpi)};
  };
  int x = 10;
  for (const MenuItem& item : kMenu) {
    HWND label = Item(item.id);
    if (!label) continue;
    const SIZE size = designSize(label);
    Anchor(label, x, (kMenuHeight - size.cy) / 2);
    x += size.cx + 18;
  }
  if (HWND help = Item(IDC_vkLabel2)) Anchor(help, 16, 11);
  if (HWND ok = Item(IDC_lblOK)) {
    RECT bottom;
    GetClientRect(Item(IDC_pnlBottom), &bottom);
    Anchor(ok, Unscale(bottom.right, dpi) - 16 - designSize(ok).cx, 11);
  }
}

void TAboutBox::CreateGeneralPage(HWND page, int width) {
  const int dpi = Dpi();
  Label(page, IDC_ProductImage, "", 16, 14, 48, 48, FormFont(dpi), SS_ICON | SS_CENTERIMAGE);
  Label(page, IDC_ProductName, "Quillmark for Delphi", 76, 12, width - 88, 32, Font("Impact", -24, false));
  Label(page, IDC_Version, "Version", 76, 46, width - 88, 18, BoldFont(-13, dpi));
  Label(page, IDC_lblContact, "Contact points:", 16, 78, 200, 14, BoldFont(-11, dpi));
  Label(page, IDC_lblInternet, "Internet:", 28, 96, 54, 14, FormFont(dpi));
  Link(page, IDC_vkURL1, kSiteURL, kSiteURL, 84, 96, -11);
  Label(page, IDC_lblEMail, "E-mail:", 28, 112, 54, 14, FormFont(dpi));
  Link(page, IDC_vkURL2, kMailAddress, kMailURL, 84, 112, -11);
  Label(page, IDC_lblNotice, kNotice, 16, 134, width - 32, 14, FormFont(dpi));
  Label(page, IDC_lblAddress, kAddress, 16, 150, width - 32, 14, FormFont(dpi));
}

void TAboutBox::CreateUpdatePage(HWND page) {
  Label(page, IDC_lblVisit, "Visit our site", 24, 34, 300, 18, BoldFont(-13, Dpi()));
  Link(page, IDC_vkURL4, kSiteURL, kSiteURL, 24, 58, -13);
  Label(page, IDC_lblUpdates, " for the most current updates of Quillmark for Delphi.", 24, 82, 380, 18,
        Font("MS Sans Serif", -13, false));
}

void TAboutBox::CreateSysInfoPage(HWND page, int width) {
  struct Row {
    int captionId;
    const char* caption;
    int valueId;
    const char* design;
  };
  const Row rows[] = {
      {IDC_lblOSCaption, "Operating System:", IDC_OS, "OS"},
      {IDC_lblProcessorCaption, "Processor:", IDC_Processor, "Processor"},
      {IDC_lblMemoryCaption, "Physical Memory:", IDC_Memory, "Memory"},
      {IDC_lblVirtMemCaption, "Virtual Memory:", IDC_VirtMem, "VirtMem"},
      {IDC_lblDisplayCaption, "Display Mode:", IDC_Display, "Display"},
  };
  constexpr int kCaptionWidth = 114;
  constexpr int kValueLeft = 16 + kCaptionWidth + 6;
  int y = 16;
  for (const Row& row : rows) {
    Label(page, row.captionId, row.caption, 16, y, kCaptionWidth, 14,
          FittingFont("MS Sans Serif", -11, true, row.caption, kCaptionWidth), SS_LEFTNOWORDWRAP);
    // A long value (a processor's name, a 64-bit address space) takes a second line.
    Label(page, row.valueId, row.design, kValueLeft, y, width - kValueLeft - 10, 26, FormFont(Dpi()));
    y += 26;
  }
}

void TAboutBox::CreateAcknowledgementsPage(HWND page, int width) {
  Label(page, IDC_imgDelphi, "", 14, 10, 120, 144, FormFont(Dpi()), SS_BITMAP);
  const int left = 140;
  const int w = width - 16 - left;
  struct Line {
    int id;
    const char* text;
    int y;
    int height;
    int fontHeight;
  };
  const Line lines[] = {
      {IDC_lblBuiltWith, "Built with", 10, 36, -29},
      {IDC_lblToolName, "C++ and MinGW-w64", 46, 36, -29},
      {IDC_lblForDelphi, "for Delphi Developers", 86, 30, -24},
  };
  for (const Line& line : lines)
    Label(page, line.id, line.text, left, line.y, w, line.height,
          FittingFont("Impact", line.fontHeight, false, line.text, w), SS_RIGHT);
  const char* notice = "MinGW-w64 is free software of the MinGW-w64 project.";
  Label(page, IDC_lblTrademark, notice, left, 140, w, 14, FittingFont("MS Sans Serif", -11, false, notice, w),
        SS_RIGHT);
}

void TAboutBox::SelectPage(Page page) {
  for (const PageInfo& info : kPages) {
    HWND panel = Item(info.panelId);
    if (info.page == page) {
      title_->SetCaption(AboutTitle(kApplicationTitle, LoadStr(info.titleId)));
      SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      ShowWindow(panel, SW_HIDE);
    }
  }
  page_ = page;
}

void TAboutBox::RemoveCaption() {
  // Without its caption bits the window keeps its size, so its client area grows by the caption: the height shrinks
  // by as much again, and the client area stays as designed.
  SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_CAPTION);
  RECT r;
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top - MetricForDpi(SM_CYCAPTION, Dpi()),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TAboutBox::ShowPictures() {
  // Both are kept for the run (gdi_cache), drawn for this DPI.
  const int dpi = Dpi();
  SendMessageW(Item(IDC_ProductImage), STM_SETICON, reinterpret_cast<WPARAM>(ProgramIcon(Scale(32, dpi))), 0);
  SetPicture(Picture(IDB_ACKNOWLEDGEMENT, dpi));
}

void TAboutBox::SetPicture(HBITMAP picture) {
  // The themed static control keeps a copy of a bitmap with alpha and hands it back on the next STM_SETIMAGE; the
  // copy is ours to delete, the cached picture is not.
  const auto old = reinterpret_cast<HGDIOBJ>(
      SendMessageW(Item(IDC_imgDelphi), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
  if (old && old != picture_) DeleteObject(old);
  picture_ = picture;
}

void TAboutBox::DpiChanged(WPARAM wp, LPARAM lp) {
  // Moved to a monitor with another scaling: the size Windows suggests, everything placed again from the design.
  ApplyDpiChange(hwnd(), wp, lp);
  AlignPanels();
  PlaceLabels();
  ShowPictures();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void TAboutBox::ReadVersion() {
  const ProgramVersion version = ReadProgramVersion();
  if (!version.found) return;  // both labels keep their design texts
  SetText(Item(IDC_ProductName), version.productName);
  SetText(Item(IDC_Version), VersionLine(version.productVersion, version.fileVersion));
}

void TAboutBox::ReadSystemInfo() {
  const OperatingSystem os = ReadOperatingSystem();
  SetText(Item(IDC_OS), FormatText(LoadStr(IDS_OSFORMAT), {os.name, os.build}));
  if (const auto identifier = ReadProcessorIdentifier()) {
    // The window shows at once; the speed follows when its thread has measured it (kClockMeasuredMessage).
    processor_ = *identifier;
    clock_ = std::make_unique<ClockMeasurement>(hwnd(), kClockMeasuredMessage);
    SetText(Item(IDC_Processor), clock_->running() ? ProcessorMeasuringText(processor_) : processor_);
  }
  MemorySizes memory{};
  if (ReadMemory(memory)) {
    const std::string format = LoadStr(IDS_MEMORYFORMAT);
    SetText(Item(IDC_Memory), MemoryText(format, KBytes(memory.totalPhysical), KBytes(memory.availablePhysical)));
    SetText(Item(IDC_VirtMem), MemoryText(format, KBytes(memory.totalVirtual), KBytes(memory.availableVirtual)));
  }
  const DisplayMode display = ReadDisplayMode();
  SetText(Item(IDC_Display), DisplayModeText(display.width, display.height, display.bitsPerPixel));
}

void TAboutBox::ShowModal() {
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RunModal(hwnd(), owner_);
}

void TAboutBox::Close() {
  // The owner is enabled before the window goes, so that Windows gives it the activation back.
  if (owner_) EnableWindow(owner_, TRUE);
  ShowWindow(hwnd(), SW_HIDE);
}

void TAboutBox::FormKeyDown(WPARAM key) {
  if (key == VK_RETURN || key == VK_ESCAPE) Close();
}

bool TAboutBox::PressMnemonic(char key) {
  const int wanted = std::toupper(static_cast<unsigned char>(key));
  for (const MenuItem& item : kMenu) {
    const char* amp = std::strchr(item.caption, '&');
    if (amp && amp[1] && std::toupper(static_cast<unsigned char>(amp[1])) == wanted) {
      SelectPage(item.page);
      return true;
    }
  }
  return false;
}

LRESULT TAboutBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PRINTCLIENT: {
      RECT r;
      GetClientRect(hwnd(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd(), GCLP_HBRBACKGROUND)));
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      // The underlined letters of the page labels, with or without Alt.
      if (PressMnemonic(static_cast<char>(wp))) return 0;
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DPICHANGED:
      DpiChanged(wp, lp);
      return 0;
    case kClockMeasuredMessage:
      if (clock_) SetText(Item(IDC_Processor), ProcessorText(processor_, clock_->megahertz(), DecimalSeparator()));
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace

void ShowAboutBox(HWND owner) {
  TAboutBox box(owner);
  box.ShowModal();
}

}  // namespace qm
