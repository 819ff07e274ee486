// The gradient panel's geometry: ramp, bands, bitmap placement, caption anchor, text passes, bevels, hit test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/vkpanel_core.h"

using namespace qm::vk;

namespace {

// Each band's ramp entry, read back through the colours of a ramp whose entries are all different.
std::vector<int> EntriesOf(const std::vector<Band>& bands, const Ramp& ramp) {
  std::vector<int> entries;
  for (const Band& b : bands) {
    int entry = -1;
    for (int i = 0; i < 100; ++i)
      if (ramp[static_cast<std::size_t>(i)] == b.color) entry = i;
    entries.push_back(entry);
  }
  return entries;
}

}  // namespace

TEST(VkPanelRamp, BlueToAquaEndsOneStepShortOfAqua) {
  const Ramp ramp = GradientRamp(clBlue, clAqua);
  EXPECT_EQ(ramp[0], Rgb(0, 0, 255));
  EXPECT_EQ(ramp[1], Rgb(0, 2, 255));
  EXPECT_EQ(ramp[50], Rgb(0, 127, 255));
  EXPECT_EQ(ramp[99], Rgb(0, 252, 255));

  const std::vector<Band> bands = GradientBands(bdUp, clBlue, clAqua, 440, 35);
  ASSERT_EQ(bands.size(), 100u);
  EXPECT_EQ(bands[0].color, Rgb(0, 0, 255));
  EXPECT_EQ(bands[99].color, Rgb(0, 252, 255));
}

TEST(VkPanelRamp, FallingComponentsAreTruncatedTowardZeroAndSystemColoursUseTheirLowBytes) {
  // 255 - 2.55 = 252.45 and 255 - 2.55 * 99 = 2.55: truncated, not rounded.
  const Ramp down = GradientRamp(clWhite, clBlack);
  EXPECT_EQ(down[1], Rgb(252, 252, 252));
  EXPECT_EQ(down[99], Rgb(2, 2, 2));
  // The exact value, not a floating-point one short of it: 0 + 255 * 20 / 100 is 51.
  EXPECT_EQ(GradientRamp(clBlack, clWhite)[20], Rgb(51, 51, 51));
  // A system colour (top byte 80 hexadecimal) is not translated: its low bytes are the components.
  const Ramp system = GradientRamp(0x8000000F, 0x00000000);
  EXPECT_EQ(system[0], Rgb(15, 0, 0));
  EXPECT_EQ(system[50], Rgb(7, 0, 0));
}

TEST(VkPanelBands, HorizontalBandsCoverTheHeightInHundredthsRoundedLikeMulDiv) {
  const std::vector<Band> bands = GradientBands(bdUp, clBlue, clAqua, 440, 35);
  // MulDiv rounds 0.35 down and 0.7 up, so the first band is empty and the second one pixel high.
  EXPECT_EQ(bands[0].rect, (Rect{0, 0, 440, 0}));
  EXPECT_EQ(bands[1].rect, (Rect{0, 0, 440, 1}));
  EXPECT_EQ(bands[2].rect, (Rect{0, 1, 440, 1}));
  EXPECT_EQ(bands[3].rect, (Rect{0, 1, 440, 1}));
  EXPECT_EQ(bands[4].rect, (Rect{0, 1, 440, 2}));
  EXPECT_EQ(bands[98].rect, (Rect{0, 34, 440, 35}));
  EXPECT_EQ(bands[99].rect, (Rect{0, 35, 440, 35}));
  for (std::size_t k = 1; k < bands.size(); ++k) EXPECT_EQ(bands[k].rect.top, bands[k - 1].rect.bottom) << k;
}

TEST(VkPanelBands, EachEffectTakesItsRampDirectionAndBandOrder) {
  const Ramp forward = GradientRamp(clBlue, clAqua);
  const Ramp backward = GradientRamp(clAqua, clBlue);
  std::vector<int> plain(100);
  std::vector<int> mirrored(100);
  for (int k = 0; k < 100; ++k) {
    plain[static_cast<std::size_t>(k)] = k;
    mirrored[static_cast<std::size_t>(k)] = k < 50 ? 2 * k + 1 : 198 - 2 * k;
  }
  EXPECT_EQ(EntriesOf(GradientBands(bdUp, clBlue, clAqua, 200, 100), forward), plain);
  EXPECT_EQ(EntriesOf(GradientBands(bdDown, clBlue, clAqua, 200, 100), backward), plain);
  EXPECT_EQ(EntriesOf(GradientBands(bdLeft, clBlue, clAqua, 200, 100), forward), plain);
  EXPECT_EQ(EntriesOf(GradientBands(bdRight, clBlue, clAqua, 200, 100), backward), plain);
  EXPECT_EQ(EntriesOf(GradientBands(bdHorzIn, clBlue, clAqua, 200, 100), forward), mirrored);
  EXPECT_EQ(EntriesOf(GradientBands(bdHorzOut, clBlue, clAqua, 200, 100), backward), mirrored);
  EXPECT_EQ(EntriesOf(GradientBands(bdVertIn, clBlue, clAqua, 200, 100), forward), mirrored);
  EXPECT_EQ(EntriesOf(GradientBands(bdVertOut, clBlue, clAqua, 200, 100), backward), mirrored);
  EXPECT_TRUE(GradientBands(bdFlat, clBlue, clAqua, 200, 100).empty());
  EXPECT_TRUE(GradientBands(bdStretchImage, clBlue, clAqua, 200, 100).empty());
  EXPECT_TRUE(GradientBands(bdTileImage, clBlue, clAqua, 200, 100).empty());
}

TEST(VkPanelBands, VertInRunsFromEntryOneAtTheLeftThroughTheMiddleBackToEntryZero) {
  const std::vector<Band> bands = GradientBands(bdVertIn, clTeal, clWhite, 200, 50);
  const Ramp ramp = GradientRamp(clTeal, clWhite);
  EXPECT_EQ(bands[0].color, ramp[1]);
  EXPECT_EQ(bands[49].color, ramp[99]);
  EXPECT_EQ(bands[50].color, ramp[98]);
  EXPECT_EQ(bands[99].color, ramp[0]);
  // Vertical bands: two pixels wide here, the full height each.
  EXPECT_EQ(bands[0].rect, (Rect{0, 0, 2, 50}));
  EXPECT_EQ(bands[50].rect, (Rect{100, 0, 102, 50}));
  EXPECT_EQ(bands[99].rect, (Rect{198, 0, 200, 50}));
}

TEST(VkPanelBands, MulDivRoundsHalvesAwayFromZeroAndRefusesWhatItCannotAnswer) {
  EXPECT_EQ(MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(MulDivRound(3, 1, 2), 2);
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(5, -1, 2), -3);
  EXPECT_EQ(MulDivRound(7, 3, -2), -11);
  EXPECT_EQ(MulDivRound(99, 35, 100), 35);
  EXPECT_EQ(MulDivRound(1, 1, 0), -1);
  EXPECT_EQ(MulDivRound(2147483647, 2, 1), -1);
}

TEST(VkPanelBitmap, StretchAndTileStayInsideTheFrameOnlyWithCtl3D) {
  EXPECT_EQ(BitmapInset(false, 2, 3), 0);
  EXPECT_EQ(BitmapInset(true, 2, 3), 7);
  EXPECT_EQ(StretchRect(100, 60, 0), (Rect{0, 0, 99, 59}));
  EXPECT_EQ(StretchRect(100, 60, 7), (Rect{7, 7, 92, 52}));

  // Columns 0 to 100 div 50 and rows 0 to 50 div 50, both inclusive.
  const std::vector<Point> tiles = TilePositions(100, 50, 0, 50, 50);
  const std::vector<Point> expected = {{0, 0}, {0, 50}, {50, 0}, {50, 50}, {100, 0}, {100, 50}};
  EXPECT_EQ(tiles, expected);
  // With the inset: columns 0 to (60 - 10) div 50 = 1, rows 0 to (40 - 10) div 50 = 0.
  const std::vector<Point> inset = TilePositions(60, 40, 5, 50, 50);
  EXPECT_EQ(inset, (std::vector<Point>{{5, 5}, {55, 5}}));
}

TEST(VkPanelBitmap, NothingIsTiledWhenTheCountComesOutNegativeOrTheBitmapIsEmpty) {
  // (10 - 120) div 50 is -2: no column at all.
  EXPECT_TRUE(TilePositions(10, 200, 60, 50, 50).empty());
  // (20 - 40) div 50 rounds toward zero to 0: one column still.
  EXPECT_EQ(TilePositions(20, 20, 20, 50, 50), (std::vector<Point>{{20, 20}}));
  EXPECT_TRUE(TilePositions(100, 100, 0, 0, 50).empty());
  EXPECT_TRUE(TilePositions(100, 100, 0, 50, 0).empty());
}

TEST(VkPanelCaption, TheTitleStripPutsItsCaptionAtThreeFive) {
  EXPECT_EQ(CaptionAnchorOf(trNone, taLeftJustify, vlCenter, 434, 35, 0, 1, 24), (CaptionAnchor{3, 5, TextAlign::Left}));
}

TEST(VkPanelCaption, EveryDirectionAndPlacementHasItsAnchor) {
  // A 200 by 100 panel, BorderWidth 2 and BevelWidth 1 (E = 3), text height 17 (T div 2 = 8).
  auto at = [](TTextRotation r, TAlignment a, TVertAlign v) { return CaptionAnchorOf(r, a, v, 200, 100, 2, 1, 17); };
  using TA = TextAlign;
  EXPECT_EQ(at(trNone, taLeftJustify, vlTop), (CaptionAnchor{5, 5, TA::Left}));
  EXPECT_EQ(at(trNone, taRightJustify, vlCenter), (CaptionAnchor{195, 42, TA::Right}));
  EXPECT_EQ(at(trNone, taCenter, VlBottom), (CaptionAnchor{100, 79, TA::Center}));

  // Rotated text: x from the alignment, y and the alignment along the baseline from VertAlign.
  EXPECT_EQ(at(TrUp, taLeftJustify, vlTop), (CaptionAnchor{5, 5, TA::Right}));
  EXPECT_EQ(at(TrUp, taRightJustify, vlCenter), (CaptionAnchor{179, 42, TA::Center}));
  EXPECT_EQ(at(TrUp, taCenter, VlBottom), (CaptionAnchor{92, 96, TA::Left}));

  EXPECT_EQ(at(TrDown, taLeftJustify, vlTop), (CaptionAnchor{21, 4, TA::Left}));
  EXPECT_EQ(at(TrDown, taRightJustify, vlCenter), (CaptionAnchor{195, 42, TA::Center}));
  EXPECT_EQ(at(TrDown, taCenter, VlBottom), (CaptionAnchor{108, 95, TA::Right}));
}

TEST(VkPanelCaption, OddSizesDivideTowardZero) {
  EXPECT_EQ(CaptionAnchorOf(trNone, taCenter, vlCenter, 101, 35, 0, 1, 15), (CaptionAnchor{50, 10, TextAlign::Center}));
  EXPECT_EQ(CaptionAnchorOf(TrUp, taCenter, vlCenter, 101, 35, 0, 1, 15), (CaptionAnchor{43, 10, TextAlign::Center}));
  EXPECT_EQ(CaptionAnchorOf(TrDown, taCenter, vlCenter, 101, 35, 0, 1, 15), (CaptionAnchor{57, 10, TextAlign::Center}));
}

TEST(VkPanelCaption, EachEffectDrawsItsPassesInOrderAndEndsInTheFontColour) {
  using enum PassColor;
  EXPECT_EQ(TextPasses(tenone), (std::vector<TextPass>{{0, 0, Font}}));
  EXPECT_EQ(TextPasses(teShadow), (std::vector<TextPass>{{1, 1, Shadow}, {0, 0, Font}}));
  EXPECT_EQ(TextPasses(teRaised),
            (std::vector<TextPass>{{-1, 0, Shadow}, {0, -1, Shadow}, {1, 0, Black}, {0, 1, Black}, {0, 0, Font}}));
  EXPECT_EQ(TextPasses(teLowered),
            (std::vector<TextPass>{{1, 0, Shadow}, {0, 1, Shadow}, {-1, 0, Black}, {0, -1, Black}, {0, 0, Font}}));
  EXPECT_EQ(TextPasses(teEmbossed),
            (std::vector<TextPass>{{-1, 0, Shadow}, {1, 0, Shadow}, {0, -1, Shadow}, {0, 1, Shadow}, {0, 0, Font}}));
}

TEST(VkPanelCaption, RotationUsesTheEscapementAndCutsLongCaptionsTo255Characters) {
  EXPECT_EQ(EscapementOf(trNone), 0);
  EXPECT_EQ(EscapementOf(TrUp), 900);
  EXPECT_EQ(EscapementOf(TrDown), 2700);
  EXPECT_EQ(RotatedCaption("Quillmark"), "Quillmark");
  const std::string exact(255, 'x');
  EXPECT_EQ(RotatedCaption(exact), exact);
  std::string longer(254, 'a');
  longer += "bcd";
  EXPECT_EQ(RotatedCaption(longer), std::string(254, 'a') + "b");
  EXPECT_EQ(RotatedCaption(""), "");
}

TEST(VkPanelBevels, RaisedAndLoweredLinesAtTheEdgeAndInside) {
  PanelLook look;
  look.width = 10;
  look.height = 6;
  look.bevelOuter = bvRaised;
  look.bevelInner = bvLowered;
  look.bevelWidth = 1;
  look.borderWidth = 0;
  // Outer: white top and left, grey right and bottom; inner one pixel in: the other way round.
  const std::vector<PixelRun> expected = {
      {0, 0, 0, 5, clWhite}, {0, 0, 8, 0, clWhite}, {9, 0, 9, 5, clGray}, {0, 5, 9, 5, clGray},
      {1, 1, 1, 4, clGray},  {1, 1, 7, 1, clGray},  {8, 1, 8, 4, clWhite}, {1, 4, 8, 4, clWhite},
  };
  EXPECT_EQ(PanelBevels(look), expected);
}

TEST(VkPanelBevels, AnInnerBevelWithoutOuterStartsOnePixelInAndCtl3DAddsTheBorderOutlines) {
  PanelLook look;
  look.width = 12;
  look.height = 10;
  look.bevelOuter = bvNone;
  look.bevelInner = bvRaised;
  look.bevelWidth = 1;
  look.borderWidth = 2;
  look.color = 0x123456;
  look.ctl3d = true;
  const std::vector<PixelRun> expected = {
      // the inner bevel at 1 + BorderWidth = 3
      {3, 3, 3, 6, clWhite}, {3, 3, 7, 3, clWhite}, {8, 3, 8, 6, clGray}, {3, 6, 8, 6, clGray},
      // two outlines in the panel's colour, the first one pixel in
      {1, 1, 10, 1, 0x123456}, {1, 8, 10, 8, 0x123456}, {1, 1, 1, 8, 0x123456}, {10, 1, 10, 8, 0x123456},
      {2, 2, 9, 2, 0x123456}, {2, 7, 9, 7, 0x123456}, {2, 2, 2, 7, 0x123456}, {9, 2, 9, 7, 0x123456},
  };
  EXPECT_EQ(PanelBevels(look), expected);
  look.ctl3d = false;
  EXPECT_EQ(PanelBevels(look).size(), 4u);
  look.bevelInner = bvNone;
  EXPECT_TRUE(PanelBevels(look).empty());
}

TEST(VkPanelBevels, ThePlainPanelLeavesTheRectangleInsideItsFrames) {
  PanelLook look;
  look.width = 20;
  look.height = 12;
  look.bevelOuter = bvLowered;
  look.bevelInner = bvRaised;
  look.bevelWidth = 2;
  look.borderWidth = 1;
  look.color = 0xABCDEF;
  Rect inside;
  const std::vector<PixelRun> runs = PlainPanelFrame(look, 0xFFFFFF, 0x808080, &inside);
  EXPECT_EQ(inside, (Rect{5, 5, 15, 7}));
  ASSERT_EQ(runs.size(), 20u);  // two frames of the outer bevel, one of the border, two of the inner bevel
  EXPECT_EQ(runs[0], (PixelRun{0, 0, 0, 11, 0x808080}));  // lowered: shadow at the top left
  EXPECT_EQ(runs[8], (PixelRun{2, 2, 2, 9, 0xABCDEF}));   // the border in the panel's colour
  EXPECT_EQ(runs[12], (PixelRun{3, 3, 3, 8, 0xFFFFFF}));  // raised: highlight at the top left
}

TEST(VkPanelHitTest, AMovablePanelAnswersCornersEdgesAndBody) {
  EXPECT_EQ(PanelHitTest(true, 6, 2, 2, 100, 50), 13);
  EXPECT_EQ(PanelHitTest(true, 6, 50, 48, 100, 50), 15);
  EXPECT_EQ(PanelHitTest(true, 6, 50, 25, 100, 50), 2);
  EXPECT_EQ(PanelHitTest(true, 6, 2, 47, 100, 50), 16);
  EXPECT_EQ(PanelHitTest(true, 6, 5, 25, 100, 50), 10);
  EXPECT_EQ(PanelHitTest(true, 6, 97, 3, 100, 50), 14);
  EXPECT_EQ(PanelHitTest(true, 6, 97, 47, 100, 50), 17);
  EXPECT_EQ(PanelHitTest(true, 6, 95, 25, 100, 50), 11);
  EXPECT_EQ(PanelHitTest(true, 6, 50, 5, 100, 50), 12);
  // The zone is Marge pixels wide: 6 from the left is already the body, 94 from a width of 100 is not yet the edge.
  EXPECT_EQ(PanelHitTest(true, 6, 6, 25, 100, 50), 2);
  EXPECT_EQ(PanelHitTest(true, 6, 94, 25, 100, 50), 2);
  EXPECT_EQ(PanelHitTest(true, 6, 95, 25, 100, 50), 11);
}

TEST(VkPanelHitTest, APanelThatIsNotMovableTakesNoMouseInput) {
  EXPECT_EQ(PanelHitTest(false, 6, 2, 2, 100, 50), 0);
  EXPECT_EQ(PanelHitTest(false, 6, 50, 25, 100, 50), 0);
}
