// The decorative panel's geometry with any sizes, bevels, borders, fonts, colours and effects: the gradient's bands,
// the bitmap's places, the caption's anchor and passes, the bevel lines and the hit test.
//
// Sizes are those a window can have (0 to 32767 pixels); bevel and border widths, the font's text height and the
// bitmap's size are any positive pixel counts in that range, so that everything fits the screen's coordinates.
#include <algorithm>

#include "about/vkpanel_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using namespace qm::vk;
using fuzz::Require;

constexpr int kMaxPixels = 32767;

// Windows' MulDiv, worked out exactly: halves away from zero, -1 for a zero divisor or a result beyond 32 bits.
int ExpectedMulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  __int128 n = static_cast<__int128>(a) * b;
  __int128 d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const __int128 q = n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
  return (q > INT32_MAX || q < -INT32_MAX) ? -1 : static_cast<int>(q);
}

void CheckRunsInside(const std::vector<PixelRun>& runs, int width, int height, const char* what) {
  for (const PixelRun& r : runs) {
    Require(r.x0 == r.x1 || r.y0 == r.y1, what);
    Require(r.x0 <= r.x1 && r.y0 <= r.y1, what);
    Require(r.x0 >= 0 && r.y0 >= 0 && r.x1 < width && r.y1 < height, what);
  }
}

bool Between(int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);

  const int a = in.Int<int>(), b = in.Int<int>(), c = in.Bool() ? in.IntIn(-200, 200) : in.Int<int>();
  Require(MulDivRound(a, b, c) == ExpectedMulDiv(a, b, c), "MulDiv");

  const TColor start = in.Int<std::uint32_t>(), end = in.Int<std::uint32_t>();
  const Ramp ramp = GradientRamp(start, end);
  Require(ramp[0] == (start & 0xFFFFFF), "the ramp does not start with the first colour");
  for (std::size_t i = 0; i < ramp.size(); ++i) {
    Require((ramp[i] >> 24) == 0, "a ramp colour has a system-colour byte");
    Require(Between(RedOf(ramp[i]), RedOf(start), RedOf(end)) && Between(GreenOf(ramp[i]), GreenOf(start), GreenOf(end)) &&
                Between(BlueOf(ramp[i]), BlueOf(start), BlueOf(end)),
            "a ramp colour outside the two colours");
  }

  const int width = in.IntIn(0, kMaxPixels), height = in.IntIn(0, kMaxPixels);
  const auto effect = in.Enum<TDirection>(11);
  const std::vector<Band> bands = GradientBands(effect, start, end, width, height);
  const bool gradient = effect >= bdUp && effect <= bdVertOut;
  Require(bands.size() == (gradient ? 100u : 0u), "the number of bands");
  if (gradient) {
    const Ramp back = GradientRamp(end, start);
    const bool horizontal = effect == bdUp || effect == bdDown || effect == bdHorzIn || effect == bdHorzOut;
    for (std::size_t k = 0; k < bands.size(); ++k) {
      const Rect& r = bands[k].rect;
      const int from = horizontal ? r.top : r.left, to = horizontal ? r.bottom : r.right;
      Require(from <= to, "a band ends before it starts");
      Require(horizontal ? (r.left == 0 && r.right == width) : (r.top == 0 && r.bottom == height), "a band's breadth");
      Require(k == 0 ? from == 0 : from == (horizontal ? bands[k - 1].rect.bottom : bands[k - 1].rect.right),
              "the bands leave a gap or overlap");
      if (k == 99) Require(to == (horizontal ? height : width), "the bands do not reach the far edge");
      Require(std::find(ramp.begin(), ramp.end(), bands[k].color) != ramp.end() ||
                  std::find(back.begin(), back.end(), bands[k].color) != back.end(),
              "a band's colour is not on the ramp");
    }
  }

  PanelLook look;
  look.width = width;
  look.height = height;
  look.bevelOuter = in.Enum<TPanelBevel>(4);
  look.bevelInner = in.Enum<TPanelBevel>(4);
  look.bevelWidth = in.Bool() ? in.IntIn(1, 4) : in.IntIn(1, kMaxPixels);
  look.borderWidth = in.Bool() ? in.IntIn(0, 4) : in.IntIn(0, kMaxPixels);
  look.color = in.Int<std::uint32_t>();
  look.ctl3d = in.Bool();
  Rect inside;
  CheckRunsInside(PlainPanelFrame(look, clWhite, clGray, &inside), width, height, "a plain frame line outside the panel");
  CheckRunsInside(PanelBevels(look), width, height, "a bevel line outside the panel");

  const int inset = BitmapInset(look.ctl3d, look.bevelWidth, look.borderWidth);
  Require(inset >= 0, "a negative bitmap inset");
  const Rect stretch = StretchRect(width, height, inset);
  Require(stretch.left == inset && stretch.top == inset, "the stretched bitmap's corner");
  const int bitmapWidth = in.IntIn(1, kMaxPixels), bitmapHeight = in.IntIn(1, kMaxPixels);
  const long long columns = (static_cast<long long>(width) - 2LL * inset) / bitmapWidth;
  const long long rows = (static_cast<long long>(height) - 2LL * inset) / bitmapHeight;
  // Ten thousand copies fill a large screen with 16-pixel tiles; larger counts only take the fuzzer's time.
  if ((columns + 1) * (rows + 1) <= 10000) {
    const std::vector<Point> tiles = TilePositions(width, height, inset, bitmapWidth, bitmapHeight);
    const long long count = columns < 0 || rows < 0 ? 0 : (columns + 1) * (rows + 1);
    Require(static_cast<long long>(tiles.size()) == count, "the number of tiles");
    for (const Point& p : tiles)
      Require(p.x >= inset && p.y >= inset && (p.x - inset) % bitmapWidth == 0 && (p.y - inset) % bitmapHeight == 0,
              "a tile off the grid");
  }

  const auto rotation = in.Enum<TTextRotation>(3);
  const auto alignment = in.Enum<TAlignment>(3);
  const auto vertAlign = in.Enum<TVertAlign>(3);
  const int textHeight = in.IntIn(0, kMaxPixels);
  const CaptionAnchor anchor =
      CaptionAnchorOf(rotation, alignment, vertAlign, width, height, look.borderWidth, look.bevelWidth, textHeight);
  Require(anchor.align == TextAlign::Left || anchor.align == TextAlign::Right || anchor.align == TextAlign::Center,
          "the caption's alignment");
  const int escapement = EscapementOf(rotation);
  Require(escapement == 0 || escapement == 900 || escapement == 2700, "the caption's escapement");
  const std::string caption = in.Text();
  const std::string rotated = RotatedCaption(caption);
  Require(rotated.size() <= kRotatedCaptionMax && caption.compare(0, rotated.size(), rotated) == 0 &&
              rotated.size() == std::min(caption.size(), kRotatedCaptionMax),
          "the rotated caption");
  const std::vector<TextPass> passes = TextPasses(in.Enum<TTextEffect>(5));
  Require(!passes.empty() && passes.back() == TextPass{0, 0, PassColor::Font}, "the caption's last pass");
  for (const TextPass& p : passes) Require(Between(p.dx, -1, 1) && Between(p.dy, -1, 1), "a pass's offset");

  const bool moveable = in.Bool();
  const int marge = in.Bool() ? in.IntIn(0, 20) : in.Int<int>();
  const int x = in.IntIn(-kMaxPixels - 1, kMaxPixels), y = in.IntIn(-kMaxPixels - 1, kMaxPixels);
  const int hit = PanelHitTest(moveable, marge, x, y, width, height);
  Require(moveable ? (hit == 2 || (hit >= 10 && hit <= 17)) : hit == 0, "the hit-test code");
  return 0;
}
