// Per-pixel alpha drawing through msimg32's AlphaBlend, loaded at run time from the system
// folder (the program imports no DLL outside the known list).
#pragma once

#include <windows.h>

// Source-over with per-pixel alpha and full constant alpha: what premultiplied PNGs need.
BLENDFUNCTION SourceOverPixelAlpha();

// AlphaBlend of (srcX, srcY, width, height) of `src` onto (x, y) of `dest` at the same size.
// FALSE when msimg32 or the call fails.
BOOL AlphaBlendCopy(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY);
