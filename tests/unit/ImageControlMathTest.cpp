// Text placement of the image controls and the premultiplication of PNG pixels.
#include <gtest/gtest.h>

#include <vector>

#include "controls/Premultiply.h"
#include "controls/TextPlacement.h"

namespace {

struct PlacementCase {
  int mode, cw, ch, tw, th, margin, inset;
  int x, y;
};

TEST(PlaceText, ModesForButtonAndLabel) {
  const PlacementCase cases[] = {
      // A 60 x 14 text in a 100 x 30 control.
      {0, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 2, 0},
      {1, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 38, 0},
      {2, 100, 30, 60, 14, 5, BUTTON_TEXT_INSET, 0, 0},
      {3, 100, 30, 60, 14, 5, BUTTON_TEXT_INSET, 0, 16},
      {4, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 20, 8},
      {5, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 2, 8},
      {6, 100, 30, 60, 14, 3, BUTTON_TEXT_INSET, 35, 8},
      {7, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 20, 0},
      {8, 100, 30, 60, 14, 0, BUTTON_TEXT_INSET, 20, 16},
      {9, 100, 30, 60, 14, 7, BUTTON_TEXT_INSET, 0, 0},
      {-1, 100, 30, 60, 14, 7, BUTTON_TEXT_INSET, 0, 0},
      {0, 100, 30, 60, 14, 4, LABEL_TEXT_INSET, 4, 0},
      {1, 100, 30, 60, 14, 0, LABEL_TEXT_INSET, 40, 0},
      {5, 100, 30, 60, 14, 0, LABEL_TEXT_INSET, 0, 8},
      {6, 100, 30, 60, 14, 0, LABEL_TEXT_INSET, 40, 8},
      // Odd remainders are cut toward zero.
      {4, 101, 31, 60, 14, 0, LABEL_TEXT_INSET, 20, 8},
      // Too large for the control: starts at the edge, never at a negative position.
      {4, 100, 30, 160, 40, 0, BUTTON_TEXT_INSET, 0, 0},
      {1, 100, 30, 160, 14, 0, BUTTON_TEXT_INSET, 0, 0},
      {8, 100, 30, 60, 40, 0, LABEL_TEXT_INSET, 20, 0},
      // Extreme values do not overflow.
      {1, 0x7FFFFFFF, 10, -0x7FFFFFFF, 0, -0x7FFFFFFF, BUTTON_TEXT_INSET, 0x7FFFFFFF, 0},
  };
  for (const auto& c : cases) {
    CTextPoint p = PlaceText(c.mode, c.cw, c.ch, c.tw, c.th, c.margin, c.inset);
    EXPECT_EQ(p.x, c.x) << "mode " << c.mode << " cw " << c.cw << " margin " << c.margin << " inset " << c.inset;
    EXPECT_EQ(p.y, c.y) << "mode " << c.mode << " ch " << c.ch << " th " << c.th;
  }
}

TEST(PremultiplyPixels, ChannelsScaledByAlphaRoundedDown) {
  // B, G, R, A per pixel.
  std::vector<uint8_t> px = {
      255, 255, 255, 128,  // half-transparent white
      10, 200, 30, 0,      // fully transparent
      1, 2, 3, 255,        // opaque
      200, 100, 50, 100,   // 200*100/255 = 78.4
  };
  PremultiplyPixels(px.data(), 4, 1, 16, 32);
  const std::vector<uint8_t> want = {128, 128, 128, 128, 0, 0, 0, 0, 1, 2, 3, 255, 78, 39, 19, 100};
  EXPECT_EQ(px, want);
}

TEST(PremultiplyPixels, BottomUpRowsPaddingAndOtherDepths) {
  // Two rows of one pixel with 4 padding bytes each, stored bottom-up: the top row is the
  // second in memory and pitch is negative. Padding must stay untouched.
  std::vector<uint8_t> mem = {
      100, 100, 100, 51, 9, 9, 9, 9,  // bottom row
      255, 0, 255, 102, 9, 9, 9, 9,   // top row
  };
  PremultiplyPixels(mem.data() + 8, 1, 2, -8, 32);
  const std::vector<uint8_t> want = {20, 20, 20, 51, 9, 9, 9, 9, 102, 0, 102, 102, 9, 9, 9, 9};
  EXPECT_EQ(mem, want);

  std::vector<uint8_t> rgb = {255, 255, 255, 10, 20, 30};
  const std::vector<uint8_t> before = rgb;
  PremultiplyPixels(rgb.data(), 2, 1, 6, 24);
  EXPECT_EQ(rgb, before);
  PremultiplyPixels(nullptr, 2, 2, 8, 32);  // an empty image is no fault
}

}  // namespace
