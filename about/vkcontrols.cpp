#include "about/vkcontrols.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "app/dpi.h"
#include "app/text.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

namespace {

const WindowClass kPanelClass{L"TvkPanel"};
const WindowClass kLabelClass{L"TvkLabel", CS_DBLCLKS, nullptr, nullptr, IDC_HAND};
const WindowClass kURLClass{L"TvkURL", CS_DBLCLKS, nullptr, nullptr, IDC_HAND};

void FillWith(HDC dc, const RECT& r, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawRuns(HDC dc, const std::vector<vk::PixelRun>& runs) {
  for (const vk::PixelRun& run : runs) {
    const RECT r{run.x0, run.y0, run.x1 + 1, run.y1 + 1};
    FillWith(dc, r, ToRgb(run.color));
  }
}

// The panel's default picture: white, with a black rectangle outline.
HBITMAP DefaultPanelBitmap() {
  ScopedGetDC screen(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), 50, 50);
  if (!bitmap) return nullptr;
  HDC mem = CreateCompatibleDC(screen.get());
  {
    ScopedSelectObject select(mem, bitmap);
    const RECT all{0, 0, 50, 50};
    FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScopedSelectObject pen(mem, GetStockObject(BLACK_PEN));
    ScopedSelectObject brush(mem, GetStockObject(WHITE_BRUSH));
    Rectangle(mem, 0, 0, 49, 49);
  }
  DeleteDC(mem);
  return bitmap;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObject(bitmap, sizeof bm, &bm)) return {0, 0};
  return {bm.bmWidth, bm.bmHeight};
}

}  // namespace

LOGFONTW VkFont::Logical(int dpi) const {
  LOGFONTW lf{};
  lf.lfHeight = Scale(height, dpi);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  CopyToBuffer(name, lf.lfFaceName, LF_FACESIZE);  // a longer name is cut to fit
  return lf;
}

COLORREF ToRgb(vk::TColor color) {
  if ((color & 0xFF000000) == kSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0xFFFFFF;
}

// ---- TvkPanel ----

TvkPanel* TvkPanel::Create(HWND parent, int id, int x, int y, int width, int height) {
  auto* panel = new TvkPanel;
  panel->bitmap_.reset(DefaultPanelBitmap());
  // A panel that Windows refuses is gone with its window.
  if (!panel->Window::Create(kPanelClass, WS_EX_CONTROLPARENT, "",
                             WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y, width, height, parent,
                             ChildId(id)))
    return nullptr;
  return panel;
}

TvkPanel* TvkPanel::From(HWND hwnd) { return Window::Of<TvkPanel>(hwnd); }

void TvkPanel::Repaint() {
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void TvkPanel::SetAlignment(vk::TAlignment value) { alignment_ = value; Repaint(); }
void TvkPanel::SetBevelInner(vk::TPanelBevel value) { bevelInner_ = value; Repaint(); }
void TvkPanel::SetBevelOuter(vk::TPanelBevel value) { bevelOuter_ = value; Repaint(); }
void TvkPanel::SetColor(vk::TColor value) {
  color_ = value;
  childBrush_.reset();
  Repaint();
}
void TvkPanel::SetCaption(const std::string& value) { SetText(hwnd(), value); Repaint(); }
void TvkPanel::SetFont(const VkFont& value) { font_ = value; Repaint(); }
void TvkPanel::SetBackGroundEffect(vk::TDirection value) {
  effect_ = value;
  childBrush_.reset();
  Repaint();
}
void TvkPanel::SetColorStart(vk::TColor value) {
  colorStart_ = value;
  childBrush_.reset();
  Repaint();
}
void TvkPanel::SetColorEnd(vk::TColor value) { colorEnd_ = value; Repaint(); }
void TvkPanel::SetColorShadow(vk::TColor value) { colorShadow_ = value; Repaint(); }

vk::PanelLook TvkPanel::Look(int dpi) const {
  RECT r;
  GetClientRect(hwnd(), &r);
  vk::PanelLook look;
  look.width = r.right;
  look.height = r.bottom;
  look.bevelOuter = bevelOuter_;
  look.bevelInner = bevelInner_;
  // The bevels and the border are as wide at every scaling as they look at 96 DPI.
  look.bevelWidth = Scale(bevelWidth_, dpi);
  look.borderWidth = Scale(borderWidth_, dpi);
  look.color = color_;
  look.ctl3d = ctl3d_;
  return look;
}

void TvkPanel::Paint(HDC dc) {
  const int dpi = DpiOf(hwnd());
  const vk::PanelLook look = Look(dpi);
  const int width = look.width;
  const int height = look.height;
  const RECT all{0, 0, width, height};

  // 1. The plain panel: its colour, its frame and its centred caption.
  vk::Rect inside;
  FillWith(dc, all, ToRgb(color_));
  DrawRuns(dc, vk::PlainPanelFrame(look, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), &inside));
  const LOGFONTW logical = font_.Logical(dpi);
  ScopedGdiObj font(CreateFontIndirectW(&logical));
  ScopedSelectObject selectFont(dc, font.get());
  const std::wstring caption = Wide(Caption());
  SetBkMode(dc, TRANSPARENT);
  if (!caption.empty()) {
    SIZE w{};
    GetTextExtentPoint32W(dc, L"W", 1, &w);
    RECT r{inside.left, (inside.top + inside.bottom - w.cy) / 2, inside.right, 0};
    r.bottom = r.top + w.cy;
    const UINT align = alignment_ == vk::taLeftJustify ? DT_LEFT : alignment_ == vk::taRightJustify ? DT_RIGHT : DT_CENTER;
    SetTextColor(dc, ToRgb(font_.color));
    DrawTextW(dc, caption.c_str(), -1, &r, DT_EXPANDTABS | DT_VCENTER | align);
  }

  // 2. The background.
  if (vk::IsBitmapEffect(effect_)) {
    PaintBitmap(dc, look);
  } else if (effect_ == vk::bdFlat) {
    FillWith(dc, all, ToRgb(colorStart_));
  } else {
    for (const vk::Band& band : vk::GradientBands(effect_, colorStart_, colorEnd_, width, height)) {
      const RECT r{band.rect.left, band.rect.top, band.rect.right, band.rect.bottom};
      FillWith(dc, r, band.color);
    }
  }

  // 3. and 4. The caption with its effect.
  PaintCaption(dc, look, dpi);

  // 5. The bevels over everything.
  DrawRuns(dc, vk::PanelBevels(look));
}

void TvkPanel::PaintBitmap(HDC dc, const vk::PanelLook& look) {
  const int width = look.width;
  const int height = look.height;
  HBITMAP bitmap = static_cast<HBITMAP>(bitmap_.get());
  const SIZE size = BitmapSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) {
    const RECT all{0, 0, width, height};
    FillWith(dc, all, ToRgb(colorStart_));
    return;
  }
  const int inset = vk::BitmapInset(ctl3d_, look.bevelWidth, look.borderWidth);
  HDC mem = CreateCompatibleDC(dc);
  {
    ScopedSelectObject select(mem, bitmap);
    if (effect_ == vk::bdStretchImage) {
      const vk::Rect r = vk::StretchRect(width, height, inset);
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem, 0, 0, size.cx, size.cy, SRCCOPY);
    } else {
      for (const vk::Point& p : vk::TilePositions(width, height, inset, size.cx, size.cy))
        BitBlt(dc, p.x, p.y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    }
  }
  DeleteDC(mem);
}

void TvkPanel::PaintCaption(HDC dc, const vk::PanelLook& look, int dpi) {
  const std::wstring caption = Wide(Caption());
  if (caption.empty()) return;
  SIZE t{};
  GetTextExtentPoint32W(dc, L"^_", 2, &t);
  const vk::CaptionAnchor anchor =
      vk::CaptionAnchorOf(rotation_, alignment_, vertAlign_, look.width, look.height, look.borderWidth,
                          look.bevelWidth, t.cy);
  const UINT align = anchor.align == vk::TextAlign::Left    ? TA_LEFT
                     : anchor.align == vk::TextAlign::Right ? TA_RIGHT
                                                            : TA_CENTER;
  const UINT oldAlign = SetTextAlign(dc, align | TA_TOP);
  SetBkMode(dc, TRANSPARENT);

  const int escapement = vk::EscapementOf(rotation_);
  const std::wstring text = Wide(escapement ? vk::RotatedCaption(Caption()) : Caption());
  ScopedGdiObj rotated;
  if (escapement) {
    LOGFONTW lf = font_.Logical(dpi);
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    rotated.reset(CreateFontIndirectW(&lf));
  }
  ScopedSelectObject selectRotated(dc, rotated.get());
  for (const vk::TextPass& pass : vk::TextPasses(textEffect_)) {
    COLORREF colour = ToRgb(font_.color);
    if (pass.color == vk::PassColor::Shadow) colour = ToRgb(colorShadow_);
    else if (pass.color == vk::PassColor::Black) colour = RGB(0, 0, 0);
    SetTextColor(dc, colour);
    TextOutW(dc, anchor.x + Scale(pass.dx, dpi), anchor.y + Scale(pass.dy, dpi), text.c_str(), static_cast<int>(text.size()));
  }
  SetTextAlign(dc, oldAlign);
}

LRESULT TvkPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT r;
      GetClientRect(hwnd(), &r);
      // Painted off screen first: a hundred bands and five passes would flicker.
      HDC mem = CreateCompatibleDC(dc);
      ScopedGdiObj buffer(CreateCompatibleBitmap(dc, r.right > 0 ? r.right : 1, r.bottom > 0 ? r.bottom : 1));
      {
        ScopedSelectObject select(mem, buffer.get());
        Paint(mem);
        BitBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, SRCCOPY);
      }
      DeleteDC(mem);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case WM_DPICHANGED_AFTERPARENT:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = Default(msg, wp, lp);
      InvalidateRect(hwnd(), nullptr, FALSE);
      return result;
    }
    case WM_CTLCOLORSTATIC: {
      // Plain labels on the panel sit on its flat colour.
      HDC dc = reinterpret_cast<HDC>(wp);
      const COLORREF back = ToRgb(effect_ == vk::bdFlat ? colorStart_ : color_);
      if (!childBrush_) childBrush_.reset(CreateSolidBrush(back));
      SetBkColor(dc, back);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(childBrush_.get());
    }
    case WM_COMMAND:
    case WM_NOTIFY:
      if (HWND parent = GetParent(hwnd())) return SendMessageW(parent, msg, wp, lp);
      break;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

// ---- TvkLabel and TvkURL ----

TvkLabel* TvkLabel::Create(HWND parent, int id, const std::string& caption, int x, int y, int width, int height) {
  auto* label = new TvkLabel;
  label->ApplyFontDefaults();
  return Attach(label, kLabelClass, parent, id, caption, x, y, width, height);
}

TvkLabel* TvkLabel::Attach(TvkLabel* label, const WindowClass& cls, HWND parent, int id, const std::string& caption,
                           int x, int y, int width, int height) {
  // A label that Windows refuses is gone with its window.
  if (!label->Window::Create(cls, 0, caption.c_str(), WS_CHILD | WS_VISIBLE, x, y, width, height, parent, ChildId(id)))
    return nullptr;
  label->AdjustBounds();
  return label;
}

TvkLabel* TvkLabel::From(HWND hwnd) { return Window::Of<TvkLabel>(hwnd); }

void TvkLabel::ApplyFontDefaults() {
  savedFont_ = font_;
  hotFont_ = font_;
  hotFont_.color = vk::clBlue;
}

void TvkLabel::SetCaption(const std::string& value) { SetText(hwnd(), value); }
void TvkLabel::SetFont(const VkFont& value) {
  font_ = value;
  Changed();
}
void TvkLabel::SetHotFont(const VkFont& value) { hotFont_ = value; }
void TvkLabel::SetAlignment(vk::TAlignment value) {
  alignment_ = value;
  Changed();
}
void TvkLabel::SetColor(vk::TColor value) {
  color_ = value;
  Changed();
}

HFONT TvkLabel::CurrentFont() {
  const int dpi = DpiOf(hwnd());
  if (!fontHandle_ || !(fontHandleOf_ == font_) || fontHandleDpi_ != dpi) {
    const LOGFONTW lf = font_.Logical(dpi);
    fontHandle_.reset(CreateFontIndirectW(&lf));
    fontHandleOf_ = font_;
    fontHandleDpi_ = dpi;
  }
  return static_cast<HFONT>(fontHandle_.get());
}

void TvkLabel::Changed() {
  AdjustBounds();
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void TvkLabel::AdjustBounds() {
  if (!autoSize_ || !hwnd()) return;
  const std::wstring caption = Wide(Caption());
  RECT r{0, 0, 0, 0};
  if (wordWrap_) {
    GetClientRect(hwnd(), &r);
    r.bottom = 0;
  }
  {
    ScopedGetDC dc(hwnd());
    ScopedSelectObject select(dc.get(), CurrentFont());
    DrawTextW(dc.get(), caption.empty() ? L" " : caption.c_str(), -1, &r,
              DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
  }
  RECT window;
  GetWindowRect(hwnd(), &window);
  MapWindowPoints(nullptr, GetParent(hwnd()), reinterpret_cast<POINT*>(&window), 2);
  int left = window.left;
  // A right-aligned label keeps its right edge.
  if (alignment_ == vk::taRightJustify) left = window.right - r.right;
  SetWindowPos(hwnd(), nullptr, left, window.top, r.right, r.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TvkLabel::PaintLabel(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillWith(dc, client, ToRgb(color_));
  if (transparent_) {
    // What the parent shows behind the label.
    HWND parent = GetParent(hwnd());
    POINT origin{0, 0};
    MapWindowPoints(hwnd(), parent, &origin, 1);
    POINT old;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
  }
  const std::wstring caption = Wide(Caption());
  ScopedSelectObject select(dc, CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  flags |= alignment_ == vk::taLeftJustify ? DT_LEFT : alignment_ == vk::taRightJustify ? DT_RIGHT : DT_CENTER;
  RECT r = client;
  if (layout_ != TTextLayout::tlTop) {
    RECT calc = client;
    DrawTextW(dc, caption.c_str(), -1, &calc, flags | DT_CALCRECT);
    const int textHeight = calc.bottom - calc.top;
    r.top = layout_ == TTextLayout::tlCenter ? (client.bottom - textHeight) / 2 : client.bottom - textHeight;
  }
  if (!IsWindowEnabled(hwnd())) {
    RECT shifted = r;
    const int offset = Scale(1, DpiOf(hwnd()));
    OffsetRect(&shifted, offset, offset);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption.c_str(), -1, &shifted, flags);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, ToRgb(font_.color));
  }
  DrawTextW(dc, caption.c_str(), -1, &r, flags);
}

void TvkLabel::MouseEnter() {
  hot_ = true;
  savedFont_ = font_;
  font_ = hotFont_;
  Changed();
}

void TvkLabel::MouseLeave() {
  hot_ = false;
  font_ = savedFont_;
  Changed();
}

LRESULT TvkLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const int x = static_cast<short>(LOWORD(lp));
  const int y = static_cast<short>(HIWORD(lp));
  // Any mouse button goes down on the label and comes up again wherever the mouse is then.
  auto button = [&](bool down) {
    if (down) {
      SetCapture(hwnd());
      MouseDown();
    } else if (GetCapture() == hwnd()) {
      ReleaseCapture();
    }
    return 0;
  };
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT r;
      GetClientRect(hwnd(), &r);
      HDC mem = CreateCompatibleDC(dc);
      ScopedGdiObj buffer(CreateCompatibleBitmap(dc, r.right > 0 ? r.right : 1, r.bottom > 0 ? r.bottom : 1));
      {
        ScopedSelectObject select(mem, buffer.get());
        PaintLabel(mem);
        BitBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, SRCCOPY);
      }
      DeleteDC(mem);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      const LRESULT result = Default(msg, wp, lp);
      Changed();
      return result;
    }
    case WM_DPICHANGED_AFTERPARENT:
      Changed();  // the font at the new DPI, and the size that it takes
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      if (!hot_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
        MouseEnter();
      }
      return 0;
    case WM_MOUSELEAVE:
      if (hot_) MouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      return button(true);
    case WM_LBUTTONUP: {
      const bool wasPressed = std::exchange(pressed_, false);
      button(false);
      RECT r;
      GetClientRect(hwnd(), &r);
      const POINT p{x, y};
      if (wasPressed && PtInRect(&r, p) && OnClick) OnClick(*this);
      return 0;
    }
    case WM_RBUTTONDOWN: return button(true);
    case WM_RBUTTONUP: return button(false);
    case WM_MBUTTONDOWN: return button(true);
    case WM_MBUTTONUP: return button(false);
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case BM_CLICK:
      // Pressing the label from the keyboard or another program: a press and a release on it.
      MouseDown();
      if (OnClick) OnClick(*this);
      return 0;
    default:
      break;
  }
  return Default(msg, wp, lp);
}

TvkURL* TvkURL::Create(HWND parent, int id, int x, int y, int width, int height) {
  auto* url = new TvkURL;
  url->font_.color = vk::clNavy;
  url->font_.underline = true;
  url->ApplyFontDefaults();
  return static_cast<TvkURL*>(Attach(url, kURLClass, parent, id, kDefaultURL, x, y, width, height));
}

TvkURL* TvkURL::From(HWND hwnd) { return dynamic_cast<TvkURL*>(TvkLabel::From(hwnd)); }

void TvkURL::MouseDown() {
  // Whatever the shell makes of the address is its own affair; its answer is not looked at.
  EnsureOle();
  ShellExecuteW(GetAncestor(hwnd(), GA_ROOT), L"open", Wide(URL).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace qm
