#include "controls/TextPlacement.h"

CTextPoint PlaceText(int mode, int cw, int ch, int tw, int th, int margin, int inset) {
  // 64-bit intermediates: sizes come from the window and the font, margins from callers.
  const long long left = static_cast<long long>(margin) + inset;
  const long long right = static_cast<long long>(cw) - tw - margin - inset;
  const long long centreX = (static_cast<long long>(cw) - tw) / 2;
  const long long middleY = (static_cast<long long>(ch) - th) / 2;
  const long long bottom = static_cast<long long>(ch) - th;
  long long x = 0;
  long long y = 0;
  switch (mode) {
    case 0: x = left; break;
    case 1: x = right; break;
    case 2: break;
    case 3: y = bottom; break;
    case 4: x = centreX; y = middleY; break;
    case 5: x = left; y = middleY; break;
    case 6: x = right; y = middleY; break;
    case 7: x = centreX; break;
    case 8: x = centreX; y = bottom; break;
    default: break;
  }
  auto clamp = [](long long v) {
    if (v < 0) return 0;
    if (v > 0x7FFFFFFF) return 0x7FFFFFFF;
    return static_cast<int>(v);
  };
  return CTextPoint{clamp(x), clamp(y)};
}
