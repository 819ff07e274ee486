#include "about/vkpanel_core.h"

namespace qm::vk {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  long long n = static_cast<long long>(a) * b;
  long long d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const long long r = n >= 0 ? (n + d / 2) / d : (n - d / 2) / d;
  if (r > 2147483647LL || r < -2147483647LL) return -1;
  return static_cast<int>(r);
}

Ramp GradientRamp(TColor a, TColor b) {
  // Whole-number arithmetic gives the exact truncated value of a + (b - a) / 100 * i; the numerator never goes
  // below zero because every step lies between the two components.
  auto step = [](int from, int to, int i) { return (from * 100 + (to - from) * i) / 100; };
  Ramp ramp{};
  for (int i = 0; i < 100; ++i) {
    ramp[static_cast<std::size_t>(i)] = Rgb(step(RedOf(a), RedOf(b), i), step(GreenOf(a), GreenOf(b), i),
                                            step(BlueOf(a), BlueOf(b), i));
  }
  return ramp;
}

bool IsBitmapEffect(TDirection effect) { return effect == bdStretchImage || effect == bdTileImage; }

std::vector<Band> GradientBands(TDirection effect, TColor start, TColor end, int width, int height) {
  bool horizontal = true;
  bool mirrored = false;
  bool reversed = false;
  switch (effect) {
    case bdUp: break;
    case bdDown: reversed = true; break;
    case bdLeft: horizontal = false; break;
    case bdRight: horizontal = false; reversed = true; break;
    case bdHorzIn: mirrored = true; break;
    case bdHorzOut: mirrored = true; reversed = true; break;
    case bdVertIn: horizontal = false; mirrored = true; break;
    case bdVertOut: horizontal = false; mirrored = true; reversed = true; break;
    default: return {};
  }
  const Ramp ramp = reversed ? GradientRamp(end, start) : GradientRamp(start, end);
  std::vector<Band> bands;
  bands.reserve(100);
  for (int k = 0; k < 100; ++k) {
    // Mirrored bands run 1, 3, ..., 99 and back 98, 96, ..., 0: the first colour at both edges.
    const int entry = !mirrored ? k : (k < 50 ? 2 * k + 1 : 198 - 2 * k);
    Band band;
    band.color = ramp[static_cast<std::size_t>(entry)];
    if (horizontal) band.rect = {0, MulDivRound(k, height, 100), width, MulDivRound(k + 1, height, 100)};
    else band.rect = {MulDivRound(k, width, 100), 0, MulDivRound(k + 1, width, 100), height};
    bands.push_back(band);
  }
  return bands;
}

int BitmapInset(bool ctl3d, int bevelWidth, int borderWidth) { return ctl3d ? 2 * bevelWidth + borderWidth : 0; }

Rect StretchRect(int width, int height, int inset) {
  return {inset, inset, width - inset - 1, height - inset - 1};
}

std::vector<Point> TilePositions(int width, int height, int inset, int bitmapWidth, int bitmapHeight) {
  std::vector<Point> points;
  if (bitmapWidth <= 0 || bitmapHeight <= 0) return points;
  const int columns = (width - 2 * inset) / bitmapWidth;
  const int rows = (height - 2 * inset) / bitmapHeight;
  for (int c = 0; c <= columns; ++c)
    for (int r = 0; r <= rows; ++r) points.push_back({inset + c * bitmapWidth, inset + r * bitmapHeight});
  return points;
}

CaptionAnchor CaptionAnchorOf(TTextRotation rotation, TAlignment alignment, TVertAlign vertAlign, int width,
                              int height, int borderWidth, int bevelWidth, int textHeight) {
  const int e = borderWidth + bevelWidth;
  const int t = textHeight;
  CaptionAnchor a;
  switch (rotation) {
    case trNone:
      switch (alignment) {
        case taLeftJustify: a.x = e + 2; a.align = TextAlign::Left; break;
        case taRightJustify: a.x = width - e - 2; a.align = TextAlign::Right; break;
        case taCenter: a.x = width / 2; a.align = TextAlign::Center; break;
      }
      switch (vertAlign) {
        case vlTop: a.y = e + 2; break;
        case vlCenter: a.y = height / 2 - t / 2; break;
        case VlBottom: a.y = height - e - t - 1; break;
      }
      break;
    case TrUp:
      switch (alignment) {
        case taLeftJustify: a.x = e + 2; break;
        case taRightJustify: a.x = width - e - t - 1; break;
        case taCenter: a.x = width / 2 - t / 2; break;
      }
      switch (vertAlign) {
        case vlTop: a.y = e + 2; a.align = TextAlign::Right; break;
        case vlCenter: a.y = height / 2 - t / 2; a.align = TextAlign::Center; break;
        case VlBottom: a.y = height - e - 1; a.align = TextAlign::Left; break;
      }
      break;
    case TrDown:
      switch (alignment) {
        case taLeftJustify: a.x = t + e + 1; break;
        case taRightJustify: a.x = width - e - 2; break;
        case taCenter: a.x = t / 2 + width / 2; break;
      }
      switch (vertAlign) {
        case vlTop: a.y = e + 1; a.align = TextAlign::Left; break;
        case vlCenter: a.y = height / 2 - t / 2; a.align = TextAlign::Center; break;
        case VlBottom: a.y = height - e - 2; a.align = TextAlign::Right; break;
      }
      break;
  }
  return a;
}

std::vector<TextPass> TextPasses(TTextEffect effect) {
  using enum PassColor;
  switch (effect) {
    case teShadow: return {{1, 1, Shadow}, {0, 0, Font}};
    case teRaised: return {{-1, 0, Shadow}, {0, -1, Shadow}, {1, 0, Black}, {0, 1, Black}, {0, 0, Font}};
    case teLowered: return {{1, 0, Shadow}, {0, 1, Shadow}, {-1, 0, Black}, {0, -1, Black}, {0, 0, Font}};
    case teEmbossed: return {{-1, 0, Shadow}, {1, 0, Shadow}, {0, -1, Shadow}, {0, 1, Shadow}, {0, 0, Font}};
    case tenone: break;
  }
  // Without an effect the caption is one pass in its own font colour, so that it stays readable.
  return {{0, 0, Font}};
}

int EscapementOf(TTextRotation rotation) {
  switch (rotation) {
    case TrUp: return 900;
    case TrDown: return 2700;
    case trNone: break;
  }
  return 0;
}

std::string RotatedCaption(const std::string& caption) {
  return caption.size() > kRotatedCaptionMax ? caption.substr(0, kRotatedCaptionMax) : caption;
}

void Frame3D(std::vector<PixelRun>& out, Rect rect, TColor topColor, TColor bottomColor, int width) {
  int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
  for (int i = 0; i < width && l <= r && t <= b; ++i, ++l, ++t, --r, --b) {
    out.push_back({l, t, l, b, topColor});
    if (r > l) out.push_back({l, t, r - 1, t, topColor});
    out.push_back({r, t, r, b, bottomColor});
    out.push_back({l, b, r, b, bottomColor});
  }
}

namespace {

Rect Inset(Rect r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

void Outline(std::vector<PixelRun>& out, Rect r, TColor color) {
  const int right = r.right - 1, bottom = r.bottom - 1;
  if (r.left > right || r.top > bottom) return;
  out.push_back({r.left, r.top, right, r.top, color});
  out.push_back({r.left, bottom, right, bottom, color});
  out.push_back({r.left, r.top, r.left, bottom, color});
  out.push_back({right, r.top, right, bottom, color});
}

}  // namespace

std::vector<PixelRun> PlainPanelFrame(const PanelLook& look, TColor highlight, TColor shadow, Rect* inside) {
  std::vector<PixelRun> runs;
  Rect rect{0, 0, look.width, look.height};
  auto bevel = [&](TPanelBevel kind) {
    const bool lowered = kind == bvLowered;
    Frame3D(runs, rect, lowered ? shadow : highlight, lowered ? highlight : shadow, look.bevelWidth);
    rect = Inset(rect, look.bevelWidth);
  };
  if (look.bevelOuter != bvNone) bevel(look.bevelOuter);
  Frame3D(runs, rect, look.color, look.color, look.borderWidth);
  rect = Inset(rect, look.borderWidth);
  if (look.bevelInner != bvNone) bevel(look.bevelInner);
  if (inside) *inside = rect;
  return runs;
}

std::vector<PixelRun> PanelBevels(const PanelLook& look) {
  std::vector<PixelRun> runs;
  const Rect client{0, 0, look.width, look.height};
  auto colours = [](TPanelBevel kind, TColor& top, TColor& bottom) {
    top = kind == bvRaised ? clWhite : clGray;
    bottom = kind == bvRaised ? clGray : clWhite;
  };
  const bool outer = look.bevelOuter != bvNone;
  TColor top = 0, bottom = 0;
  if (outer) {
    colours(look.bevelOuter, top, bottom);
    Frame3D(runs, client, top, bottom, look.bevelWidth);
  }
  if (look.bevelInner != bvNone) {
    colours(look.bevelInner, top, bottom);
    Frame3D(runs, Inset(client, (outer ? look.bevelWidth : 1) + look.borderWidth), top, bottom, look.bevelWidth);
    if (look.ctl3d) {
      const int first = (outer ? look.bevelWidth - 1 : 0) + 1;
      for (int k = 0; k < look.borderWidth; ++k) Outline(runs, Inset(client, first + k), look.color);
    }
  }
  return runs;
}

int PanelHitTest(bool moveable, int marge, int x, int y, int width, int height) {
  if (!moveable) return 0;
  const int m = marge;
  if (x < m && y < m) return 13;
  if (x < m && height - y < m) return 16;
  if (x < m) return 10;
  if (width - x < m && y < m) return 14;
  if (width - x < m && height - y < m) return 17;
  if (width - x < m) return 11;
  if (y < m) return 12;
  if (height - y < m) return 15;
  return 2;
}

}  // namespace qm::vk
