// Where a one-line text goes inside an image control: pure arithmetic, so it is host-tested.
#pragma once

struct CTextPoint {
  int x;
  int y;
};

// The image button keeps its left and right texts 2 pixels off the edge; labels use no inset.
constexpr int BUTTON_TEXT_INSET = 2;
constexpr int LABEL_TEXT_INSET = 0;

// mode: 0 left/top, 1 right/top, 2 top-left, 3 bottom-left, 4 centred, 5 left/middle,
// 6 right/middle, 7 centre/top, 8 centre/bottom; anything else top-left.
// cw, ch: client size; tw, th: measured text size; margin: horizontal margin of modes 0, 1, 5, 6.
// A result below 0 is raised to 0 so a text that does not fit starts at the edge.
CTextPoint PlaceText(int mode, int cw, int ch, int tw, int th, int margin, int inset);
