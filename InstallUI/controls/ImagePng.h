// A PNG decoded by GDI+ into a 32-bit DIB section: straight (not premultiplied) blue, green,
// red, alpha bytes, top row first in memory. GDI+ comes from the system folder at run time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Handles.h"

class CImagePng {
 public:
  CImagePng();
  ~CImagePng();
  CImagePng(const CImagePng&) = delete;
  CImagePng& operator=(const CImagePng&) = delete;

  // Empties the image, then decodes `path`. On failure the image stays empty.
  bool Load(const std::wstring& path);
  void Destroy();

  bool IsNull() const { return !m_bitmap; }
  HBITMAP GetBitmap() const { return m_bitmap.Get(); }
  // First byte of the top row; rows go down by GetPitch() bytes (negative when bottom-up).
  uint8_t* GetBits() const { return m_pBits; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  int GetPitch() const { return m_nPitch; }
  int GetBPP() const { return m_nBitsPerPixel; }
  bool HasAlpha() const { return m_bHasAlpha; }

  // Draws the whole image at (x, y) of `dest` at its natural size: AlphaBlend when it has
  // alpha (its colours must be premultiplied by then), a plain copy otherwise.
  bool Draw(HDC dest, int x, int y) const;

  // Whether GDI+ is running in this process (for tests of its lifetime).
  static bool IsGdiplusRunning();

 private:
  fw::CBitmap m_bitmap;
  uint8_t* m_pBits = nullptr;
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nPitch = 0;
  int m_nBitsPerPixel = 0;
  bool m_bHasAlpha = false;
};

// Premultiplies the colour channels of a 32-bit image by its alpha; run after each load.
void PremultiplyAlpha(CImagePng& image);

// Encodes a bitmap (selected into no DC) as a PNG file: for the gallery and screenshots.
bool SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& path);
// The first frame of an image file (a GIF animation, say) re-encoded as PNG.
bool ConvertImageToPng(const std::wstring& source, const std::wstring& path);
