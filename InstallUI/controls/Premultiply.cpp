#include "controls/Premultiply.h"

void PremultiplyPixels(uint8_t* topRow, int width, int height, std::ptrdiff_t pitch, int bitsPerPixel) {
  if (!topRow || bitsPerPixel != 32 || width <= 0 || height <= 0) return;
  for (int y = 0; y < height; ++y) {
    uint8_t* pixel = topRow + static_cast<std::ptrdiff_t>(y) * pitch;
    for (int x = 0; x < width; ++x, pixel += 4) {
      const unsigned alpha = pixel[3];
      pixel[0] = static_cast<uint8_t>(pixel[0] * alpha / 255);
      pixel[1] = static_cast<uint8_t>(pixel[1] * alpha / 255);
      pixel[2] = static_cast<uint8_t>(pixel[2] * alpha / 255);
    }
  }
}
