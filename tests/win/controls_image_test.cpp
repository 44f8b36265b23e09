// PNG loading into DIB sections, premultiplication and the alpha draw rule, on real GDI+.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/ImagePng.h"
#include "controls_support.h"
#include "framework/Handles.h"

using ctltest::DataPath;
using ctltest::Near;

namespace {

// B, G, R, A of pixel (x, y).
const uint8_t* PixelBytes(const CImagePng& image, int x, int y) {
  return image.GetBits() + y * image.GetPitch() + x * 4;
}

// A 32-bit memory surface filled with one colour.
struct CSurface {
  CSurface(int width, int height, COLORREF fill) {
    m_canvas.CreateDib(width, height);
    fw::CBrush brush(::CreateSolidBrush(fill));
    RECT rc{0, 0, width, height};
    ::FillRect(m_canvas.Get(), &rc, brush.Get());
  }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    return ::GetPixel(m_canvas.Get(), x, y);
  }
  HDC Dc() const { return m_canvas.Get(); }
  fw::CMemoryCanvas m_canvas;
};

TEST(ImagePng, LoadsStraightAlphaTopRowFirst) {
  CImagePng image;
  ASSERT_TRUE(image.Load(DataPath("quad.png")));
  EXPECT_EQ(image.GetWidth(), 2);
  EXPECT_EQ(image.GetHeight(), 2);
  EXPECT_EQ(image.GetBPP(), 32);
  EXPECT_EQ(image.GetPitch(), 8);
  EXPECT_TRUE(image.HasAlpha());
  const uint8_t red[4] = {0, 0, 255, 255};
  const uint8_t clear[4] = {0, 255, 0, 0};
  const uint8_t half[4] = {255, 255, 255, 128};
  EXPECT_EQ(0, memcmp(PixelBytes(image, 0, 0), red, 4));
  EXPECT_EQ(0, memcmp(PixelBytes(image, 1, 0), clear, 4));
  EXPECT_EQ(0, memcmp(PixelBytes(image, 0, 1), half, 4));

  // A second load of the same file gives the same image, not one added to the first.
  ASSERT_TRUE(image.Load(DataPath("quad.png")));
  EXPECT_EQ(image.GetWidth(), 2);
  EXPECT_EQ(0, memcmp(PixelBytes(image, 1, 0), clear, 4));

  CImagePng opaque;
  ASSERT_TRUE(opaque.Load(DataPath("opaque_rgb.png")));
  EXPECT_FALSE(opaque.HasAlpha());
  EXPECT_EQ(PixelBytes(opaque, 3, 3)[2], 10);
}

TEST(ImagePng, FailedLoadLeavesItEmpty) {
  const char* bad[] = {"not_a_png.png", "no_such_file.png", "halves.bmp_missing"};
  for (const char* name : bad) {
    CImagePng image;
    ASSERT_TRUE(image.Load(DataPath("quad.png")));
    EXPECT_FALSE(image.Load(DataPath(name))) << name;
    EXPECT_TRUE(image.IsNull()) << name;
    EXPECT_EQ(image.GetBits(), nullptr);
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_FALSE(image.HasAlpha());
    CSurface surface(4, 4, RGB(1, 2, 3));
    EXPECT_FALSE(image.Draw(surface.Dc(), 0, 0));
  }
  CImagePng image;
  EXPECT_FALSE(image.Load(L""));
}

TEST(ImagePng, GdiplusRunsWhileImagesExist) {
  {
    CImagePng first;
    ASSERT_TRUE(first.Load(DataPath("quad.png")));
    {
      CImagePng second;
      ASSERT_TRUE(second.Load(DataPath("quad.png")));
    }
    // Another image still exists: GDI+ must keep running for it.
    EXPECT_TRUE(CImagePng::IsGdiplusRunning());
    CImagePng third;
    EXPECT_TRUE(third.Load(DataPath("quad.png")));
  }
  EXPECT_FALSE(CImagePng::IsGdiplusRunning());
  // And it comes back for the next image.
  CImagePng again;
  EXPECT_TRUE(again.Load(DataPath("quad.png")));
}

TEST(ImagePng, PremultipliedBlendOverBackground) {
  CImagePng image;
  ASSERT_TRUE(image.Load(DataPath("quad.png")));
  PremultiplyAlpha(image);
  const uint8_t half[4] = {128, 128, 128, 128};
  const uint8_t clear[4] = {0, 0, 0, 0};
  EXPECT_EQ(0, memcmp(PixelBytes(image, 0, 1), half, 4));
  EXPECT_EQ(0, memcmp(PixelBytes(image, 1, 0), clear, 4));

  const COLORREF teal = RGB(0, 128, 128);
  CSurface surface(4, 4, teal);
  ASSERT_TRUE(image.Draw(surface.Dc(), 1, 1));
  EXPECT_TRUE(Near(surface.At(1, 1), RGB(255, 0, 0), 1));      // opaque covers
  EXPECT_TRUE(Near(surface.At(2, 1), teal, 1));                // transparent leaves it
  EXPECT_TRUE(Near(surface.At(1, 2), RGB(128, 191, 191), 2));  // half white: the average
  EXPECT_TRUE(Near(surface.At(2, 2), RGB(0, 0, 255), 1));
  EXPECT_TRUE(Near(surface.At(0, 0), teal, 0));                // nothing outside the image
  EXPECT_TRUE(Near(surface.At(3, 3), teal, 0));
}

TEST(ImagePng, PaletteTransparencyCountsAsAlpha) {
  CImagePng image;
  ASSERT_TRUE(image.Load(DataPath("palette_clear.png")));  // red, then a transparent entry
  EXPECT_TRUE(image.HasAlpha());
  EXPECT_EQ(PixelBytes(image, 1, 0)[3], 0);
  PremultiplyAlpha(image);
  CSurface surface(2, 1, RGB(0, 128, 128));
  ASSERT_TRUE(image.Draw(surface.Dc(), 0, 0));
  EXPECT_EQ(surface.At(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(surface.At(1, 0), RGB(0, 128, 128));
}

TEST(ImagePng, ImageWithoutAlphaIsCopied) {
  CImagePng image;
  ASSERT_TRUE(image.Load(DataPath("opaque_rgb.png")));
  PremultiplyAlpha(image);
  CSurface surface(6, 6, RGB(200, 0, 0));
  ASSERT_TRUE(image.Draw(surface.Dc(), 0, 0));
  EXPECT_EQ(surface.At(3, 3), RGB(10, 20, 30));
  EXPECT_EQ(surface.At(4, 4), RGB(200, 0, 0));
}

}  // namespace
