// Helpers of the skinned-control tests: fixture paths, message pumping and pixel reading from
// real windows on the (virtual) screen.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/Handles.h"

namespace ctltest {

constexpr UINT IDD_SKIN_CONTROLS = 910;
constexpr UINT IDD_SKIN_PROMPT = 911;
constexpr UINT IDD_SKIN_PAGE = 912;
constexpr int IDC_EDIT = 911;
constexpr int IDC_BUTTON = 912;
constexpr int IDC_LABEL = 913;
constexpr int IDC_PLAIN = 914;

// A file of tests/win/data as a Windows path (the source tree is on drive Z: under Wine).
inline std::wstring DataPath(const char* name) {
  std::string unix = std::string(TEST_SOURCE_DIR) + "/tests/win/data/" + name;
  std::wstring path = L"Z:";
  for (char c : unix) path += static_cast<wchar_t>(c == '/' ? '\\' : c);
  return path;
}

inline void Pump(DWORD milliseconds = 0) {
  DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (milliseconds) ::Sleep(5);
  } while (::GetTickCount() - start < milliseconds);
}

// Paints everything pending, parent first, and lets the pixels reach the screen surface.
inline void Settle(HWND hWnd) {
  ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(30);
  ::GdiFlush();
}

// The pixel at (x, y) of the client area of hWnd as shown.
inline COLORREF PixelAt(HWND hWnd, int x, int y) {
  HDC dc = ::GetDC(hWnd);
  COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(hWnd, dc);
  return c;
}

inline bool Near(COLORREF a, COLORREF b, int tolerance = 3) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The client area of hWnd copied into a 32-bit top-down DIB for scanning.
class CCapture {
 public:
  explicit CCapture(HWND hWnd) {
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    if (!m_canvas.CreateDib(m_nWidth, m_nHeight)) m_nWidth = m_nHeight = 0;
    HDC screen = ::GetDC(hWnd);
    ::BitBlt(m_canvas.Get(), 0, 0, m_nWidth, m_nHeight, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, screen);
    ::GdiFlush();
    m_pBits = m_canvas.Bits();
  }
  CCapture(const CCapture&) = delete;
  CCapture& operator=(const CCapture&) = delete;

  COLORREF At(int x, int y) const {
    DWORD v = m_pBits[y * m_nWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // Bounding box of the pixels that differ from `background` by more than a little.
  RECT Differing(COLORREF background) const {
    RECT box{m_nWidth, m_nHeight, -1, -1};
    for (int y = 0; y < m_nHeight; ++y)
      for (int x = 0; x < m_nWidth; ++x)
        if (!Near(At(x, y), background, 40)) {
          if (x < box.left) box.left = x;
          if (y < box.top) box.top = y;
          if (x > box.right) box.right = x;
          if (y > box.bottom) box.bottom = y;
        }
    return box;
  }
  // Whether some pixel has exactly this colour.
  bool Contains(COLORREF colour) const {
    for (int y = 0; y < m_nHeight; ++y)
      for (int x = 0; x < m_nWidth; ++x)
        if (At(x, y) == colour) return true;
    return false;
  }
  HDC Dc() const { return m_canvas.Get(); }

 private:
  int m_nWidth = 0;
  int m_nHeight = 0;
  fw::CMemoryCanvas m_canvas;
  const DWORD* m_pBits = nullptr;
};

}  // namespace ctltest
