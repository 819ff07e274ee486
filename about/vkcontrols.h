// The decorative controls of the About window: TvkPanel, a panel with a gradient, flat or bitmap background and a
// caption with a shadow, raised, lowered or embossed effect, optionally rotated, that can be made movable; TvkLabel,
// a label that swaps to its hot font while the mouse is over it; and TvkURL, a hot label that opens its address with
// the shell when a mouse button goes down on it. Each is a window class of its own; the C++ object belongs to its
// window and goes with it. The geometry is in vkpanel_core.h.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "about/vkpanel_core.h"
#include "app/scoped.h"
#include "app/win_util.h"
#include "app/window.h"

namespace qm {

// A font as the controls keep it. A negative height is the character height in pixels at 96 DPI; the controls draw
// it at the DPI of their window.
struct VkFont {
  std::string name = "MS Sans Serif";
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  vk::TColor color = vk::clBlack;
  BYTE charset = DEFAULT_CHARSET;

  LOGFONTW Logical(int dpi) const;
  bool operator==(const VkFont&) const = default;
};

// A colour value to paint with: system colours (top byte 80 hexadecimal) become the system's current colour.
COLORREF ToRgb(vk::TColor color);
constexpr vk::TColor kSystemColor = 0x80000000;
constexpr vk::TColor clWindow = kSystemColor | COLOR_WINDOW;
constexpr vk::TColor clBtnFace = kSystemColor | COLOR_BTNFACE;

class TvkPanel : public Window {
 public:
  static TvkPanel* Create(HWND parent, int id, int x, int y, int width, int height);
  static TvkPanel* From(HWND hwnd);  // null for another window

  // The plain panel's properties.
  void SetAlignment(vk::TAlignment value);
  void SetBevelInner(vk::TPanelBevel value);
  void SetBevelOuter(vk::TPanelBevel value);
  void SetColor(vk::TColor value);
  void SetCaption(const std::string& value);
  void SetFont(const VkFont& value);
  std::string Caption() const { return GetText(hwnd()); }
  const VkFont& Font() const { return font_; }

  // Its own. The setters store the value and repaint at once.
  void SetBackGroundEffect(vk::TDirection value);
  void SetColorStart(vk::TColor value);
  void SetColorEnd(vk::TColor value);
  void SetColorShadow(vk::TColor value);


  // Paints the whole panel into dc, the client area's corner at dc's origin.
  void Paint(HDC dc);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  TvkPanel() : Window(Lifetime::OwnedByWindow) {}
  void Repaint();
  vk::PanelLook Look(int dpi) const;
  void PaintBitmap(HDC dc, const vk::PanelLook& look);
  void PaintCaption(HDC dc, const vk::PanelLook& look, int dpi);

  vk::TAlignment alignment_ = vk::taCenter;
  vk::TPanelBevel bevelInner_ = vk::bvNone;
  vk::TPanelBevel bevelOuter_ = vk::bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  vk::TColor color_ = clBtnFace;
  VkFont font_;
  ScopedGdiObj bitmap_;
  vk::TDirection effect_ = vk::bdVertIn;
  vk::TColor colorStart_ = vk::clTeal;
  vk::TColor colorEnd_ = vk::clWhite;
  vk::TColor colorShadow_ = vk::clGray;
  bool ctl3d_ = false;
  vk::TTextEffect textEffect_ = vk::teShadow;
  vk::TTextRotation rotation_ = vk::trNone;
  vk::TVertAlign vertAlign_ = vk::vlCenter;
  ScopedGdiObj childBrush_;  // the background its plain child controls are drawn on
};

enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TvkLabel : public Window {
 public:
  // With autoSize the label takes the size of its caption; width and height are then ignored.
  static TvkLabel* Create(HWND parent, int id, const std::string& caption, int x, int y, int width = 0,
                          int height = 0);
  static TvkLabel* From(HWND hwnd);  // null for another window

  void SetCaption(const std::string& value);
  std::string Caption() const { return GetText(hwnd()); }
  void SetFont(const VkFont& value);
  void SetHotFont(const VkFont& value);  // copies the font
  const VkFont& Font() const { return font_; }
  void SetAlignment(vk::TAlignment value);
  void SetColor(vk::TColor value);

  std::function<void(TvkLabel&)> OnClick;

 protected:
  TvkLabel() : Window(Lifetime::OwnedByWindow) {}
  // Creates the window of an object made by a derived Create.
  static TvkLabel* Attach(TvkLabel* label, const WindowClass& cls, HWND parent, int id, const std::string& caption,
                          int x, int y, int width, int height);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // A mouse button went down on the label.
  virtual void MouseDown() {}
  void ApplyFontDefaults();  // the saved and the hot font start as copies of Font, the hot one blue

  VkFont font_;

 private:
  void MouseEnter();
  void MouseLeave();
  void AdjustBounds();
  void Changed();  // size and picture follow a new caption or font
  void PaintLabel(HDC dc);
  HFONT CurrentFont();

  VkFont hotFont_;
  VkFont savedFont_;
  ScopedGdiObj fontHandle_;
  VkFont fontHandleOf_;
  int fontHandleDpi_ = 0;
  vk::TAlignment alignment_ = vk::taLeftJustify;
  bool autoSize_ = true;
  vk::TColor color_ = clBtnFace;
  bool transparent_ = true;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool hot_ = false;
  bool pressed_ = false;
};

class TvkURL : public TvkLabel {
 public:
  static constexpr const char* kDefaultURL = "https://orvenna.example/quillmark";
  // The caption and the address both start as the default address.
  static TvkURL* Create(HWND parent, int id, int x, int y, int width = 0, int height = 0);
  static TvkURL* From(HWND hwnd);

  std::string URL = kDefaultURL;

 protected:
  void MouseDown() override;

 private:
  TvkURL() = default;
};

}  // namespace qm
