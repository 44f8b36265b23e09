#include "controls/AlphaBlend.h"

#include "framework/SystemLibrary.h"

namespace {
using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
}  // namespace

BLENDFUNCTION SourceOverPixelAlpha() {
  BLENDFUNCTION blend;
  blend.BlendOp = AC_SRC_OVER;
  blend.BlendFlags = 0;
  blend.SourceConstantAlpha = 255;
  blend.AlphaFormat = AC_SRC_ALPHA;
  return blend;
}

BOOL AlphaBlendCopy(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY) {
  static const AlphaBlendFn alphaBlend = fw::SystemFunction<AlphaBlendFn>(L"msimg32.dll", "AlphaBlend");
  if (!alphaBlend || width <= 0 || height <= 0) return FALSE;
  return alphaBlend(dest, x, y, width, height, src, srcX, srcY, width, height, SourceOverPixelAlpha());
}
