// The geometry of the decorative controls: the gradient panel's colour ramp and bands, where its bitmap goes, where
// and how its caption is drawn, its bevel lines, and which part of a movable panel the mouse is over.
// Platform-free: the window classes in vkcontrols.cpp paint exactly what these functions describe.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm::vk {

// A colour as the panel stores it: red in the lowest byte, then green, then blue. The top byte marks a system colour;
// the panel's own arithmetic looks only at the low three bytes.
using TColor = std::uint32_t;

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8) | (static_cast<TColor>(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clRed = 0x0000FF;

// The stored names of the panel's properties; their ordinal values start at 0.
enum TDirection : std::uint8_t {
  bdFlat, bdStretchImage, bdTileImage, bdUp, bdDown, bdLeft, bdRight, bdHorzIn, bdHorzOut, bdVertIn, bdVertOut
};
enum TTextEffect : std::uint8_t { tenone, teShadow, teRaised, teLowered, teEmbossed };
enum TTextRotation : std::uint8_t { trNone, TrUp, TrDown };
enum TVertAlign : std::uint8_t { vlTop, vlCenter, VlBottom };
// The inherited panel properties.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom are outside, as in a Windows RECT
  bool operator==(const Rect&) const = default;
};
struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Windows' MulDiv: a * b / c rounded to the nearest whole number, halves away from zero; -1 when c is 0 or the
// result does not fit.
int MulDivRound(int a, int b, int c);

// ---- Background ----
using Ramp = std::array<TColor, 100>;
// Entry i: each component a + (b - a) * i / 100, truncated toward zero. Entry 0 is a, entry 99 one step short of b.
Ramp GradientRamp(TColor a, TColor b);

struct Band {
  Rect rect;
  TColor color = 0;
  bool operator==(const Band&) const = default;
};
// The hundred bands of a gradient effect over a panel of this size, in painting order; empty for bdFlat and the
// bitmap effects, which are not bands.
std::vector<Band> GradientBands(TDirection effect, TColor start, TColor end, int width, int height);
bool IsBitmapEffect(TDirection effect);

// Bitmap backgrounds sit inside the border frame when the panel's own Ctl3D is on.
int BitmapInset(bool ctl3d, int bevelWidth, int borderWidth);
// bdStretchImage: the rectangle the bitmap is stretched into.
Rect StretchRect(int width, int height, int inset);
// bdTileImage: the top left corner of every copy, column by column.
std::vector<Point> TilePositions(int width, int height, int inset, int bitmapWidth, int bitmapHeight);

// ---- Caption ----
enum class TextAlign { Left, Right, Center };  // along the (possibly rotated) baseline
struct CaptionAnchor {
  int x = 0, y = 0;
  TextAlign align = TextAlign::Left;
  bool operator==(const CaptionAnchor&) const = default;
};
// textHeight: the height of the text "^_" in the panel's font.
CaptionAnchor CaptionAnchorOf(TTextRotation rotation, TAlignment alignment, TVertAlign vertAlign, int width,
                              int height, int borderWidth, int bevelWidth, int textHeight);

enum class PassColor { Shadow, Black, Font };
struct TextPass {
  int dx = 0, dy = 0;
  PassColor color = PassColor::Font;
  bool operator==(const TextPass&) const = default;
};
// The caption's passes, in drawing order; the last one is the caption itself in the font colour.
std::vector<TextPass> TextPasses(TTextEffect effect);
// The font escapement of a direction, in tenths of a degree.
int EscapementOf(TTextRotation rotation);
// The rotated output holds at most 255 characters.
constexpr std::size_t kRotatedCaptionMax = 255;
std::string RotatedCaption(const std::string& caption);

// ---- Bevels ----
// One line of pixels, both ends included; horizontal or vertical.
struct PixelRun {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  TColor color = 0;
  bool operator==(const PixelRun&) const = default;
};
// `width` nested frames inside rect: top and left lines in topColor, bottom and right lines in bottomColor, the
// corners at top right and bottom left belonging to the bottom colour.
void Frame3D(std::vector<PixelRun>& out, Rect rect, TColor topColor, TColor bottomColor, int width);

struct PanelLook {
  int width = 0, height = 0;
  TPanelBevel bevelOuter = bvRaised;
  TPanelBevel bevelInner = bvNone;
  int bevelWidth = 1;
  int borderWidth = 0;
  TColor color = 0;
  bool ctl3d = false;
};
// The frame of the plain panel underneath (highlight and shadow are the system's button colours), and the rectangle
// inside it that the plain panel fills with its colour.
std::vector<PixelRun> PlainPanelFrame(const PanelLook& look, TColor highlight, TColor shadow, Rect* inside);
// The bevels that the gradient panel draws over its background: white and grey lines, and with Ctl3D the border
// outlines in the panel's colour.
std::vector<PixelRun> PanelBevels(const PanelLook& look);

// ---- Mouse ----
// Windows hit-test codes of a panel: 0 nowhere (a panel that is not movable takes no mouse input), 2 the body
// (dragging moves it), 10 to 17 its edges and corners (dragging sizes it).
int PanelHitTest(bool moveable, int marge, int x, int y, int width, int height);

}  // namespace qm::vk
