// Prepares straight-alpha pixels for AlphaBlend, which wants colours premultiplied by alpha.
#pragma once

#include <cstddef>
#include <cstdint>

// Pixels are 4 bytes: blue, green, red, alpha. topRow is the first byte of the top row and
// pitch the signed distance to the next row down (negative for a bottom-up bitmap).
// Each colour channel becomes channel * alpha / 255, rounded down; alpha stays.
// Only 32 bits per pixel is touched; other depths, null bits or empty sizes are left alone.
void PremultiplyPixels(uint8_t* topRow, int width, int height, std::ptrdiff_t pitch, int bitsPerPixel);
