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
#include "app/win_util.h"

namespace qm {

// A font as the controls keep it. A negative height is the character height in pixels.
struct VkFont {
  std::string name = "MS Sans Serif";
  int height = -11;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  vk::TColor color = vk::clBlack;
  BYTE charset = DEFAULT_CHARSET;

  LOGFONTA Logical() const;
  bool operator==(const VkFont&) const = default;
};

// A colour value to paint with: system colours (top byte 80 hexadecimal) become the system's current colour.
COLORREF ToRgb(vk::TColor color);
constexpr vk::TColor kSystemColor = 0x80000000;
constexpr vk::TColor clWindow = kSystemColor | COLOR_WINDOW;
constexpr vk::TColor clBtnFace = kSystemColor | COLOR_BTNFACE;

void RegisterDecorativeControls(HINSTANCE instance);

class TvkPanel {
 public:
  static TvkPanel* Create(HWND parent, int id, int x, int y, int width, int height);
  static TvkPanel* From(HWND hwnd);  // null for another window
  HWND hwnd() const { return hwnd_; }

  // The plain panel's properties.
  void SetAlignment(vk::TAlignment value);
  void SetBevelInner(vk::TPanelBevel value);
  void SetBevelOuter(vk::TPanelBevel value);
  void SetBevelWidth(int value);
  void SetBorderWidth(int value);
  void SetColor(vk::TColor value);
  void SetCaption(const std::string& value);
  void SetFont(const VkFont& value);
  std::string Caption() const { return GetText(hwnd_); }
  const VkFont& Font() const { return font_; }

  // Its own. The setters store the value and repaint at once.
  void SetBitmap(HBITMAP source);  // copies the picture; null leaves the panel an empty bitmap
  HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }
  void SetBackGroundEffect(vk::TDirection value);
  void SetColorStart(vk::TColor value);
  void SetColorEnd(vk::TColor value);
  void SetColorShadow(vk::TColor value);
  void SetCtl3D(bool value);
  void SetTextEffect(vk::TTextEffect value);
  void SetTextRotation(vk::TTextRotation value);
  void SetVertAlign(vk::TVertAlign value);
  vk::TDirection BackGroundEffect() const { return effect_; }
  vk::TColor ColorStart() const { return colorStart_; }
  vk::TColor ColorEnd() const { return colorEnd_; }
  vk::TColor ColorShadow() const { return colorShadow_; }
  bool Ctl3D() const { return ctl3d_; }
  vk::TTextEffect TextEffect() const { return textEffect_; }
  vk::TTextRotation TextRotation() const { return rotation_; }
  vk::TVertAlign VertAlign() const { return vertAlign_; }

  int Marge = 6;          // the grip zone along the edges of a movable panel, in pixels
  bool Moveable = false;  // the body moves the panel, the edges size it
  std::function<void(TvkPanel&)> OnPanelMove;

  // Paints the whole panel into dc, the client area's corner at dc's origin.
  void Paint(HDC dc);

 private:
  friend void RegisterDecorativeControls(HINSTANCE instance);
  TvkPanel() = default;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Repaint();
  vk::PanelLook Look() const;
  void PaintBitmap(HDC dc, int width, int height);
  void PaintCaption(HDC dc, int width, int height);

  HWND hwnd_ = nullptr;
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
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

class TvkLabel {
 public:
  // With autoSize the label takes the size of its caption; width and height are then ignored.
  static TvkLabel* Create(HWND parent, int id, const std::string& caption, int x, int y, int width = 0,
                          int height = 0);
  static TvkLabel* From(HWND hwnd);  // null for another window
  virtual ~TvkLabel() = default;
  TvkLabel(const TvkLabel&) = delete;
  TvkLabel& operator=(const TvkLabel&) = delete;
  HWND hwnd() const { return hwnd_; }

  void SetCaption(const std::string& value);
  std::string Caption() const { return GetText(hwnd_); }
  void SetFont(const VkFont& value);
  void SetHotFont(const VkFont& value);  // copies the font
  const VkFont& Font() const { return font_; }
  const VkFont& HotFont() const { return hotFont_; }
  bool Hot() const { return hot_; }
  void SetAlignment(vk::TAlignment value);
  void SetAutoSize(bool value);
  void SetColor(vk::TColor value);
  void SetTransparent(bool value);
  void SetLayout(TTextLayout value);
  void SetWordWrap(bool value);
  void SetEnabled(bool value) { EnableWindow(hwnd_, value); }
  void SetVisible(bool value) { ShowWindow(hwnd_, value ? SW_SHOWNA : SW_HIDE); }

  std::function<void(TvkLabel&)> OnClick;
  std::function<void(TvkLabel&)> OnDblClick;
  std::function<void(TvkLabel&, TMouseButton, int x, int y)> OnMouseDown;
  std::function<void(TvkLabel&, int x, int y)> OnMouseMove;
  std::function<void(TvkLabel&, TMouseButton, int x, int y)> OnMouseUp;

 protected:
  TvkLabel() = default;
  // Creates the window of an object made by a derived Create.
  static TvkLabel* Attach(TvkLabel* label, const char* className, HWND parent, int id, const std::string& caption,
                          int x, int y, int width, int height);
  virtual void MouseDown(TMouseButton button, int x, int y);
  void ApplyFontDefaults();  // the saved and the hot font start as copies of Font, the hot one blue

  HWND hwnd_ = nullptr;
  VkFont font_;

 private:
  friend void RegisterDecorativeControls(HINSTANCE instance);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
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
  void MouseDown(TMouseButton button, int x, int y) override;

 private:
  TvkURL() = default;
};

}  // namespace qm
