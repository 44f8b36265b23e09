#include "controls/ImagePng.h"

#include "controls/AlphaBlend.h"
#include "controls/Premultiply.h"
#include "framework/SystemLibrary.h"

namespace {

// The few pieces of the GDI+ flat API the loader uses.
using GpStatus = int;
using GpPixelFormat = INT;
struct GpBitmap;
struct GpStartupInput {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};
struct GpRect {
  INT X, Y, Width, Height;
};
struct GpBitmapData {
  UINT Width;
  UINT Height;
  INT Stride;
  GpPixelFormat PixelFormat;
  void* Scan0;
  UINT_PTR Reserved;
};
constexpr GpStatus GP_OK = 0;
constexpr GpPixelFormat GP_FORMAT_ALPHA = 0x00040000;
constexpr GpPixelFormat GP_FORMAT_PALPHA = 0x00080000;
constexpr GpPixelFormat GP_FORMAT_32BPP_ARGB = 0x0026200A;
constexpr UINT GP_FLAGS_HAS_ALPHA = 0x0002;
constexpr UINT GP_LOCK_READ = 0x0001;
constexpr UINT GP_LOCK_USER_BUFFER = 0x0004;
// A decoded image above this many pixels is refused rather than allocated.
constexpr unsigned long long MAX_PIXELS = 16ull * 1024 * 1024;

using StartupFn = GpStatus(WINAPI*)(ULONG_PTR*, const GpStartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);
using CreateFromFileFn = GpStatus(WINAPI*)(const WCHAR*, GpBitmap**);
using GetPixelFormatFn = GpStatus(WINAPI*)(GpBitmap*, GpPixelFormat*);
using GetFlagsFn = GpStatus(WINAPI*)(GpBitmap*, UINT*);
using GetSizeFn = GpStatus(WINAPI*)(GpBitmap*, UINT*);
using LockBitsFn = GpStatus(WINAPI*)(GpBitmap*, const GpRect*, UINT, GpPixelFormat, GpBitmapData*);
using UnlockBitsFn = GpStatus(WINAPI*)(GpBitmap*, GpBitmapData*);
using DisposeFn = GpStatus(WINAPI*)(GpBitmap*);
using FromHbitmapFn = GpStatus(WINAPI*)(HBITMAP, HPALETTE, GpBitmap**);
using LoadImageFn = GpStatus(WINAPI*)(const WCHAR*, GpBitmap**);
using SaveFn = GpStatus(WINAPI*)(GpBitmap*, const WCHAR*, const CLSID*, const void*);

const CLSID PNG_ENCODER = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

struct CGdiplusApi {
  StartupFn startup = nullptr;
  ShutdownFn shutdown = nullptr;
  CreateFromFileFn createFromFile = nullptr;
  GetPixelFormatFn getPixelFormat = nullptr;
  GetFlagsFn getFlags = nullptr;
  GetSizeFn getWidth = nullptr;
  GetSizeFn getHeight = nullptr;
  LockBitsFn lockBits = nullptr;
  UnlockBitsFn unlockBits = nullptr;
  DisposeFn dispose = nullptr;
  // Encoding, for the gallery and screenshots only; the loader does not need it.
  FromHbitmapFn fromHbitmap = nullptr;
  LoadImageFn loadImage = nullptr;
  SaveFn save = nullptr;

  bool Resolve() {
    const wchar_t* dll = L"gdiplus.dll";
    startup = fw::SystemFunction<StartupFn>(dll, "GdiplusStartup");
    shutdown = fw::SystemFunction<ShutdownFn>(dll, "GdiplusShutdown");
    createFromFile = fw::SystemFunction<CreateFromFileFn>(dll, "GdipCreateBitmapFromFile");
    getPixelFormat = fw::SystemFunction<GetPixelFormatFn>(dll, "GdipGetImagePixelFormat");
    getFlags = fw::SystemFunction<GetFlagsFn>(dll, "GdipGetImageFlags");
    getWidth = fw::SystemFunction<GetSizeFn>(dll, "GdipGetImageWidth");
    getHeight = fw::SystemFunction<GetSizeFn>(dll, "GdipGetImageHeight");
    lockBits = fw::SystemFunction<LockBitsFn>(dll, "GdipBitmapLockBits");
    unlockBits = fw::SystemFunction<UnlockBitsFn>(dll, "GdipBitmapUnlockBits");
    dispose = fw::SystemFunction<DisposeFn>(dll, "GdipDisposeImage");
    fromHbitmap = fw::SystemFunction<FromHbitmapFn>(dll, "GdipCreateBitmapFromHBITMAP");
    loadImage = fw::SystemFunction<LoadImageFn>(dll, "GdipLoadImageFromFile");
    save = fw::SystemFunction<SaveFn>(dll, "GdipSaveImageToFile");
    return startup && shutdown && createFromFile && getPixelFormat && getFlags && getWidth && getHeight &&
           lockBits && unlockBits && dispose;
  }
};

// GDI+ for the whole process: started by the first load, shut down when the last image object
// goes (or at exit). One lock guards the start, the count of image objects and the shut-down.
class CGdiplusSession {
 public:
  static CGdiplusSession& Instance() {
    static CGdiplusSession session;
    return session;
  }

  void AddImage() {
    Lock lock(m_cs);
    ++m_nImages;
  }
  void RemoveImage() {
    Lock lock(m_cs);
    if (m_nImages > 0 && --m_nImages == 0) StopLocked();
  }
  // The API when GDI+ is running (starting it if needed), else null.
  const CGdiplusApi* Start() {
    Lock lock(m_cs);
    if (m_bStarted) return &m_api;
    if (!m_bResolved) m_bResolved = m_api.Resolve();
    if (!m_bResolved) return nullptr;
    GpStartupInput input{1, nullptr, FALSE, FALSE};
    if (m_api.startup(&m_token, &input, nullptr) != GP_OK) return nullptr;
    m_bStarted = true;
    return &m_api;
  }
  bool IsRunning() {
    Lock lock(m_cs);
    return m_bStarted;
  }

 private:
  class Lock {
   public:
    explicit Lock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~Lock() { ::LeaveCriticalSection(&m_cs); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    CRITICAL_SECTION& m_cs;
  };

  CGdiplusSession() { ::InitializeCriticalSection(&m_cs); }
  ~CGdiplusSession() {
    StopLocked();
    ::DeleteCriticalSection(&m_cs);
  }
  void StopLocked() {
    if (!m_bStarted) return;
    m_api.shutdown(m_token);
    m_token = 0;
    m_bStarted = false;
  }

  CRITICAL_SECTION m_cs;
  CGdiplusApi m_api;
  bool m_bResolved = false;
  bool m_bStarted = false;
  ULONG_PTR m_token = 0;
  int m_nImages = 0;
};

// Disposes a GDI+ bitmap at the end of a scope.
class CGpBitmapOwner {
 public:
  CGpBitmapOwner(const CGdiplusApi& api, GpBitmap* bitmap) : m_api(api), m_pBitmap(bitmap) {}
  ~CGpBitmapOwner() {
    if (m_pBitmap) m_api.dispose(m_pBitmap);
  }
  CGpBitmapOwner(const CGpBitmapOwner&) = delete;
  CGpBitmapOwner& operator=(const CGpBitmapOwner&) = delete;

 private:
  const CGdiplusApi& m_api;
  GpBitmap* m_pBitmap;
};

// Keeps GDI+ counted as in use for one encode.
class CGdiplusUse {
 public:
  CGdiplusUse() { CGdiplusSession::Instance().AddImage(); }
  ~CGdiplusUse() { CGdiplusSession::Instance().RemoveImage(); }
  CGdiplusUse(const CGdiplusUse&) = delete;
  CGdiplusUse& operator=(const CGdiplusUse&) = delete;
  const CGdiplusApi* Api() const {
    const CGdiplusApi* api = CGdiplusSession::Instance().Start();
    return api && api->fromHbitmap && api->loadImage && api->save ? api : nullptr;
  }
};

bool SaveAsPng(const CGdiplusApi& api, GpBitmap* image, const std::wstring& path) {
  if (!image) return false;
  CGpBitmapOwner owner(api, image);
  return api.save(image, path.c_str(), &PNG_ENCODER, nullptr) == GP_OK;
}

}  // namespace

bool SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& path) {
  CGdiplusUse use;
  const CGdiplusApi* api = use.Api();
  GpBitmap* image = nullptr;
  if (!api || !bitmap || api->fromHbitmap(bitmap, nullptr, &image) != GP_OK) return false;
  return SaveAsPng(*api, image, path);
}

bool ConvertImageToPng(const std::wstring& source, const std::wstring& path) {
  CGdiplusUse use;
  const CGdiplusApi* api = use.Api();
  GpBitmap* image = nullptr;
  if (!api || api->loadImage(source.c_str(), &image) != GP_OK) return false;
  return SaveAsPng(*api, image, path);
}

CImagePng::CImagePng() { CGdiplusSession::Instance().AddImage(); }

CImagePng::~CImagePng() {
  Destroy();
  CGdiplusSession::Instance().RemoveImage();
}

bool CImagePng::IsGdiplusRunning() { return CGdiplusSession::Instance().IsRunning(); }

void CImagePng::Destroy() {
  m_bitmap.Reset();
  m_pBits = nullptr;
  m_nWidth = m_nHeight = m_nPitch = m_nBitsPerPixel = 0;
  m_bHasAlpha = false;
}

bool CImagePng::Load(const std::wstring& path) {
  Destroy();
  if (path.empty()) return false;
  const CGdiplusApi* api = CGdiplusSession::Instance().Start();
  if (!api) return false;

  GpBitmap* source = nullptr;
  if (api->createFromFile(path.c_str(), &source) != GP_OK || !source) return false;
  CGpBitmapOwner owner(*api, source);

  UINT width = 0, height = 0, flags = 0;
  GpPixelFormat format = 0;
  if (api->getWidth(source, &width) != GP_OK || api->getHeight(source, &height) != GP_OK ||
      api->getPixelFormat(source, &format) != GP_OK)
    return false;
  if (width == 0 || height == 0 || static_cast<unsigned long long>(width) * height > MAX_PIXELS) return false;
  if (api->getFlags(source, &flags) != GP_OK) flags = 0;
  // Palette images with a transparent entry report it in the flags, not the format.
  const bool hasAlpha = (format & (GP_FORMAT_ALPHA | GP_FORMAT_PALPHA)) != 0 || (flags & GP_FLAGS_HAS_ALPHA) != 0;

  void* bits = nullptr;
  fw::CBitmap dib = fw::CreateDib32(static_cast<int>(width), static_cast<int>(height), &bits);
  if (!dib || !bits) return false;

  // GDI+ converts straight into the DIB's memory; ARGB in memory is B, G, R, A.
  const INT pitch = static_cast<INT>(width) * 4;
  GpRect rect{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
  GpBitmapData data{};
  data.Width = width;
  data.Height = height;
  data.Stride = pitch;
  data.PixelFormat = GP_FORMAT_32BPP_ARGB;
  data.Scan0 = bits;
  if (api->lockBits(source, &rect, GP_LOCK_READ | GP_LOCK_USER_BUFFER, GP_FORMAT_32BPP_ARGB, &data) != GP_OK)
    return false;
  api->unlockBits(source, &data);
  ::GdiFlush();

  m_bitmap = std::move(dib);
  m_pBits = static_cast<uint8_t*>(bits);
  m_nWidth = static_cast<int>(width);
  m_nHeight = static_cast<int>(height);
  m_nPitch = pitch;
  m_nBitsPerPixel = 32;
  m_bHasAlpha = hasAlpha;
  return true;
}

bool CImagePng::Draw(HDC dest, int x, int y) const {
  if (IsNull() || !dest) return false;
  fw::CMemoryDC source(::CreateCompatibleDC(dest));
  if (!source) return false;
  fw::CSelectObject select(source.Get(), m_bitmap.Get());
  if (m_bHasAlpha) return AlphaBlendCopy(dest, x, y, m_nWidth, m_nHeight, source.Get(), 0, 0) != FALSE;
  return ::BitBlt(dest, x, y, m_nWidth, m_nHeight, source.Get(), 0, 0, SRCCOPY) != FALSE;
}

void PremultiplyAlpha(CImagePng& image) {
  if (image.IsNull()) return;
  ::GdiFlush();
  PremultiplyPixels(image.GetBits(), image.GetWidth(), image.GetHeight(), image.GetPitch(), image.GetBPP());
}
