// Move-only owners for the system handles the program creates: one owner type per release
// function, so a handle is released exactly once and never used after its release.
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

template <typename T, typename Traits>
class CUniqueHandle {
 public:
  CUniqueHandle() = default;
  explicit CUniqueHandle(T handle) : m_h(handle) {}
  ~CUniqueHandle() { Reset(); }

  CUniqueHandle(const CUniqueHandle&) = delete;
  CUniqueHandle& operator=(const CUniqueHandle&) = delete;
  CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Release()) {}
  CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  T Get() const { return m_h; }
  explicit operator bool() const { return m_h != Traits::Invalid(); }

  // Gives up ownership without releasing.
  T Release() {
    T handle = m_h;
    m_h = Traits::Invalid();
    return handle;
  }

  // Releases the held handle (if any) and takes the new one.
  void Reset(T handle = Traits::Invalid()) {
    if (m_h != Traits::Invalid() && m_h != handle) Traits::Close(m_h);
    m_h = handle;
  }

 private:
  T m_h = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { ::RegCloseKey(h); }
};
template <typename G>
struct GdiObjectTraits {
  static G Invalid() { return nullptr; }
  static void Close(G h) { ::DeleteObject(h); }
};
struct MemoryDCTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { ::DestroyIcon(h); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct GlobalMemoryTraits {
  static HGLOBAL Invalid() { return nullptr; }
  static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { ::DestroyMenu(h); }
};

// Processes, threads, events, mutexes.
using CHandle = CUniqueHandle<HANDLE, KernelHandleTraits>;
// CreateFile reports failure as INVALID_HANDLE_VALUE, not null.
using CFileHandle = CUniqueHandle<HANDLE, FileHandleTraits>;
using CRegKey = CUniqueHandle<HKEY, RegKeyTraits>;
using CBitmap = CUniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using CFont = CUniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using CBrush = CUniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using CRgn = CUniqueHandle<HRGN, GdiObjectTraits<HRGN>>;
using CMemoryDC = CUniqueHandle<HDC, MemoryDCTraits>;
using CIcon = CUniqueHandle<HICON, IconTraits>;
using CModule = CUniqueHandle<HMODULE, ModuleTraits>;
using CGlobalMemory = CUniqueHandle<HGLOBAL, GlobalMemoryTraits>;
using CMenuHandle = CUniqueHandle<HMENU, MenuTraits>;

// A kernel event with the operations the program uses.
class CEvent {
 public:
  CEvent() = default;
  CEvent(BOOL manualReset, BOOL initialState, const wchar_t* name = nullptr)
      : m_h(::CreateEventW(nullptr, manualReset, initialState, name)) {}
  HANDLE Get() const { return m_h.Get(); }
  explicit operator bool() const { return static_cast<bool>(m_h); }
  BOOL Set() const { return m_h ? ::SetEvent(m_h.Get()) : FALSE; }
  BOOL Reset() const { return m_h ? ::ResetEvent(m_h.Get()) : FALSE; }
  DWORD Wait(DWORD milliseconds) const {
    return m_h ? ::WaitForSingleObject(m_h.Get(), milliseconds) : WAIT_FAILED;
  }
  void Close() { m_h.Reset(); }

 private:
  CHandle m_h;
};

// A DC obtained with GetDC, released with ReleaseDC for the same window.
class CWindowDC {
 public:
  explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
  ~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
  }
  CWindowDC(const CWindowDC&) = delete;
  CWindowDC& operator=(const CWindowDC&) = delete;
  HDC Get() const { return m_hDC; }
  explicit operator bool() const { return m_hDC != nullptr; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

// BeginPaint / EndPaint for one WM_PAINT.
class CPaintDC {
 public:
  explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
  ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  HDC Get() const { return m_hDC; }
  const PAINTSTRUCT& Info() const { return m_ps; }

 private:
  HWND m_hWnd;
  HDC m_hDC = nullptr;
  PAINTSTRUCT m_ps{};
};

// Selects an object into a DC for one scope and puts the previous object back.
class CSelectObject {
 public:
  CSelectObject(HDC hDC, HGDIOBJ object) : m_hDC(hDC) {
    if (hDC && object) m_hOld = ::SelectObject(hDC, object);
  }
  ~CSelectObject() {
    if (m_hDC && m_hOld) ::SelectObject(m_hDC, m_hOld);
  }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld = nullptr;
};

// A 32-bit top-down DIB section (blue, green, red, alpha bytes; the top row first); `bits`
// receives its pixels.
inline CBitmap CreateDib32(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  *bits = nullptr;
  CBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
  if (!*bits) bitmap.Reset();
  return bitmap;
}

// A memory DC with a bitmap selected into it for the DC's whole life; the bitmap it replaced
// goes back before both are deleted.
class CMemoryCanvas {
 public:
  CMemoryCanvas() = default;
  ~CMemoryCanvas() { Destroy(); }
  CMemoryCanvas(const CMemoryCanvas&) = delete;
  CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

  // A surface of width x height compatible with `reference`.
  bool Create(HDC reference, int width, int height) {
    return Adopt(reference, CBitmap(::CreateCompatibleBitmap(reference, width, height)), width, height);
  }
  // A 32-bit top-down surface whose pixels Bits() reaches directly.
  bool CreateDib(int width, int height) {
    void* bits = nullptr;
    CBitmap dib = CreateDib32(width, height, &bits);
    if (!Adopt(nullptr, std::move(dib), width, height)) return false;
    m_pBits = static_cast<DWORD*>(bits);
    return true;
  }
  void Destroy() {
    if (m_dc && m_hOld) ::SelectObject(m_dc.Get(), m_hOld);
    m_hOld = nullptr;
    m_dc.Reset();
    m_bitmap.Reset();
    m_pBits = nullptr;
    m_width = m_height = 0;
  }
  HDC Get() const { return m_dc.Get(); }
  HBITMAP Bitmap() const { return m_bitmap.Get(); }
  explicit operator bool() const { return static_cast<bool>(m_dc); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // The pixels of a CreateDib surface, one DWORD (0x00RRGGBB in its low bytes) each; null otherwise.
  DWORD* Bits() const { return m_pBits; }

 private:
  bool Adopt(HDC reference, CBitmap bitmap, int width, int height) {
    Destroy();
    if (!bitmap) return false;
    CMemoryDC dc(::CreateCompatibleDC(reference));
    if (!dc) return false;
    m_hOld = ::SelectObject(dc.Get(), bitmap.Get());
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_width = width;
    m_height = height;
    return true;
  }

  CMemoryDC m_dc;
  CBitmap m_bitmap;
  HGDIOBJ m_hOld = nullptr;
  DWORD* m_pBits = nullptr;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace fw
