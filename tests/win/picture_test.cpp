// The animation control with real pictures: the demo skin's GIFs, small GIFs built here with
// known colours, a BMP, and broken data. The control is bound to a STATIC child of a hidden
// popup; the surface is read back under the control's own lock.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "controls/TPicture.h"

// Reads the control's state the way its paint handler does: under the surface lock.
class CTPictureInspector {
 public:
  explicit CTPictureInspector(CTPicture& picture) : m_picture(picture) {}

  struct Snapshot {
    unsigned nFrame = 0;
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * nWidth + x)]; }
  };

  Snapshot Take() const {
    CTPicture::CSurfaceLock lock(m_picture.m_lock);
    Snapshot shot;
    shot.nFrame = m_picture.m_nCurrentFrame;
    if (!m_picture.m_hMemDC) return shot;
    shot.nWidth = m_picture.m_nWidth;
    shot.nHeight = m_picture.m_nHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.nWidth;
    info.bmiHeader.biHeight = -shot.nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    fw::CBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    fw::CMemoryDC dc(::CreateCompatibleDC(nullptr));
    if (!dib || !dc) return shot;
    {
      fw::CSelectObject select(dc.Get(), dib.Get());
      ::BitBlt(dc.Get(), 0, 0, shot.nWidth, shot.nHeight, m_picture.m_hMemDC.Get(), 0, 0, SRCCOPY);
    }
    const auto* pPixel = static_cast<const uint32_t*>(pBits);
    for (int i = 0; i < shot.nWidth * shot.nHeight; ++i) {
      const uint32_t v = pPixel[i];
      shot.pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    return shot;
  }

  HANDLE Thread() const { return m_picture.m_hThread.Get(); }
  bool IsGif() const { return m_picture.m_bIsGif != FALSE; }
  bool HasSinglePicture() const { return m_picture.m_pPicture != nullptr; }
  bool IsReady() const { return m_picture.m_bReady != FALSE; }
  const std::vector<gif_frame>& Frames() const { return m_picture.m_frames; }
  // Puts a stand-in picture in place of a decoded frame; the frame owns it from then on.
  void SwapFramePicture(size_t nFrame, IPicture* pPicture) {
    gif_frame& frame = m_picture.m_frames[nFrame];
    if (frame.pPicture) frame.pPicture->Release();
    frame.pPicture = pPicture;
  }

 private:
  CTPicture& m_picture;
};

namespace {

const COLORREF RED = RGB(255, 0, 0);
const COLORREF GREEN = RGB(0, 255, 0);
const COLORREF BLUE = RGB(0, 0, 255);
const COLORREF YELLOW = RGB(255, 255, 0);

// ---- GIF bytes -----------------------------------------------------------------------------

struct TestFrame {
  int nLeft, nTop, nWidth, nHeight;
  std::function<uint8_t(int x, int y)> colour;  // palette index 0-3 at frame coordinates
  uint16_t nDelay = 5;
  int nDisposal = 1;
  bool bControlExtension = true;
};

void PutWord(std::vector<uint8_t>& out, int value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// LZW with code size 2, a clear code before every pixel: the code width never grows, so any
// decoder reads it the same way.
void PutImageData(std::vector<uint8_t>& out, const TestFrame& frame) {
  std::vector<uint8_t> packed;
  uint32_t nBits = 0;
  int nCount = 0;
  auto put = [&](uint32_t code) {
    nBits |= code << nCount;
    nCount += 3;
    while (nCount >= 8) {
      packed.push_back(static_cast<uint8_t>(nBits & 0xFF));
      nBits >>= 8;
      nCount -= 8;
    }
  };
  for (int y = 0; y < frame.nHeight; ++y)
    for (int x = 0; x < frame.nWidth; ++x) {
      put(4);
      put(frame.colour(x, y));
    }
  put(5);
  if (nCount > 0) packed.push_back(static_cast<uint8_t>(nBits & 0xFF));
  out.push_back(2);
  for (size_t i = 0; i < packed.size(); i += 255) {
    const size_t n = std::min<size_t>(255, packed.size() - i);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), packed.begin() + static_cast<long>(i), packed.begin() + static_cast<long>(i + n));
  }
  out.push_back(0);
}

// Palette: 0 red, 1 green, 2 blue, 3 yellow.
std::vector<uint8_t> BuildGif(int nWidth, int nHeight, const std::vector<TestFrame>& frames,
                              const char* version = "89a") {
  std::vector<uint8_t> out;
  for (const char* c = "GIF"; *c; ++c) out.push_back(static_cast<uint8_t>(*c));
  for (int i = 0; i < 3; ++i) out.push_back(static_cast<uint8_t>(version[i]));
  PutWord(out, nWidth);
  PutWord(out, nHeight);
  out.push_back(0x91);  // global table of 4 entries
  out.push_back(0);
  out.push_back(0);
  for (uint8_t rgb : {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}) out.push_back(rgb);
  for (const TestFrame& frame : frames) {
    if (frame.bControlExtension) {
      out.insert(out.end(), {0x21, 0xF9, 0x04, static_cast<uint8_t>((frame.nDisposal & 7) << 2)});
      PutWord(out, frame.nDelay);
      out.insert(out.end(), {0x00, 0x00});
    }
    out.push_back(0x2C);
    PutWord(out, frame.nLeft);
    PutWord(out, frame.nTop);
    PutWord(out, frame.nWidth);
    PutWord(out, frame.nHeight);
    out.push_back(0);
    PutImageData(out, frame);
  }
  out.push_back(0x3B);
  return out;
}

std::function<uint8_t(int, int)> Solid(uint8_t index) {
  return [index](int, int) { return index; };
}

// Three-colour stripes, so a restore that is off by a pixel shows.
uint8_t Stripes(int x, int y) { return static_cast<uint8_t>((x + y) % 3); }
COLORREF StripeColour(int x, int y) {
  static const COLORREF colours[] = {RED, GREEN, BLUE};
  return colours[(x + y) % 3];
}

// A 24-bit bottom-up BMP of one colour.
std::vector<uint8_t> BuildBmp(int nWidth, int nHeight, COLORREF colour) {
  const int nStride = (nWidth * 3 + 3) & ~3;
  const int nImage = nStride * nHeight;
  std::vector<uint8_t> out = {'B', 'M'};
  auto dword = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
  };
  dword(54 + nImage);
  dword(0);
  dword(54);
  dword(40);
  dword(nWidth);
  dword(nHeight);
  PutWord(out, 1);
  PutWord(out, 24);
  for (int i = 0; i < 6; ++i) dword(0);
  for (int y = 0; y < nHeight; ++y) {
    for (int x = 0; x < nWidth; ++x)
      out.insert(out.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour)});
    out.resize(out.size() + static_cast<size_t>(nStride - nWidth * 3), 0);
  }
  return out;
}

// A plain text block as the only graphic of a frame: counted and cut, but no image to decode.
std::vector<uint8_t> GifWithPlainTextSecondFrame() {
  std::vector<uint8_t> gif = BuildGif(8, 8, {TestFrame{0, 0, 8, 8, Solid(2)}});
  gif.pop_back();  // trailer
  gif.insert(gif.end(), {0x21, 0x01, 0x0C, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0, 2, 'h', 'i', 0, 0x3B});
  return gif;
}

// A picture whose Render holds the animation thread until the test lets it go.
class CBlockingPicture final : public IPicture {
 public:
  fw::CEvent m_entered{TRUE, FALSE};
  fw::CEvent m_release{TRUE, FALSE};

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
  }
  HRESULT STDMETHODCALLTYPE get_Width(OLE_XSIZE_HIMETRIC* p) override { return *p = 212, S_OK; }
  HRESULT STDMETHODCALLTYPE get_Height(OLE_YSIZE_HIMETRIC* p) override { return *p = 212, S_OK; }
  HRESULT STDMETHODCALLTYPE Render(HDC, LONG, LONG, LONG, LONG, OLE_XPOS_HIMETRIC, OLE_YPOS_HIMETRIC,
                                   OLE_XSIZE_HIMETRIC, OLE_YSIZE_HIMETRIC, LPCRECT) override {
    m_entered.Set();
    m_release.Wait(60000);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Handle(OLE_HANDLE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hPal(OLE_HANDLE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Type(SHORT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE set_hPal(OLE_HANDLE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_CurDC(HDC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SelectPicture(HDC, HDC*, OLE_HANDLE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_KeepOriginalFormat(BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_KeepOriginalFormat(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PictureChanged() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SaveAsFile(LPSTREAM, BOOL, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Attributes(DWORD*) override { return E_NOTIMPL; }

 private:
  LONG m_nRefs = 1;
};

// ---- files and waits -----------------------------------------------------------------------

std::wstring TempPath(const wchar_t* name) {
  wchar_t dir[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + L"picture_test_" + name;
}

std::wstring WriteTemp(const wchar_t* name, const std::vector<uint8_t>& bytes) {
  const std::wstring path = TempPath(name);
  fw::CFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (file && !bytes.empty()) ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return path;
}

std::wstring SkinFile(const char* name) {
  const std::string path = std::string(TEST_SOURCE_DIR) + "/package/Skin/" + name;
  return std::wstring(path.begin(), path.end());
}

// Polls until pred holds or the time is up.
bool WaitUntil(const std::function<bool()>& pred, DWORD nTimeoutMs = 5000) {
  const DWORD nStart = ::GetTickCount();
  while (!pred()) {
    if (::GetTickCount() - nStart > nTimeoutMs) return false;
    ::Sleep(2);
  }
  return true;
}

// Two full-screen frames that alternate quickly.
std::vector<uint8_t> FastTwoFrames(bool bControlExtension = true) {
  TestFrame a{0, 0, 8, 8, Solid(0)};
  TestFrame b{0, 0, 8, 8, Solid(1)};
  a.bControlExtension = b.bControlExtension = bControlExtension;
  return BuildGif(8, 8, {a, b});
}

// A CTPicture bound to a STATIC child of a hidden popup.
class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_hParent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(m_hParent);
    m_hStatic = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 5, 5, m_hParent, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(m_hStatic);
    ASSERT_TRUE(m_picture.SubclassWindow(m_hStatic));
  }
  void TearDown() override {
    if (m_hParent) ::DestroyWindow(m_hParent);
  }

  bool LoadBytes(const std::vector<uint8_t>& bytes) {
    fw::CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!block) return false;
    std::memcpy(::GlobalLock(block.Get()), bytes.data(), bytes.size());
    ::GlobalUnlock(block.Get());
    return m_picture.LoadFromMemory(block.Get(), static_cast<DWORD>(bytes.size()));
  }
  SIZE ControlSize() const {
    RECT rect{};
    ::GetWindowRect(m_hStatic, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
  }
  // The thread handle, duplicated so its end can be seen after the control closed its own.
  fw::CHandle WatchThread() const {
    HANDLE hCopy = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), m_inspect.Thread(), ::GetCurrentProcess(), &hCopy, SYNCHRONIZE, FALSE, 0);
    return fw::CHandle(hCopy);
  }
  bool KeepsAdvancing() const {
    for (int i = 0; i < 3; ++i) {
      const unsigned nFrom = m_inspect.Take().nFrame;
      if (!WaitUntil([&] { return m_inspect.Take().nFrame != nFrom; }, 2000)) return false;
    }
    return true;
  }

  HWND m_hParent = nullptr;
  HWND m_hStatic = nullptr;
  CTPicture m_picture;
  CTPictureInspector m_inspect{m_picture};
};

// ---- delays --------------------------------------------------------------------------------

TEST(PictureDelay, HundredthsToMilliseconds) {
  struct {
    uint32_t nDelay;
    DWORD nExpectedMs;
  } const cases[] = {
      {0, 100}, {3, 100}, {4, 100}, {5, 50}, {10, 100}, {20, 200}, {150, 1500}, {65535, 655350},
      {GIF_NO_DELAY, 100},  // no graphic control extension
  };
  for (const auto& c : cases) EXPECT_EQ(CTPicture::FrameDelayMs(c.nDelay), c.nExpectedMs) << c.nDelay;
}

TEST_F(PictureTest, FramesWithoutControlExtensionKeepPlaying) {
  ASSERT_TRUE(LoadBytes(FastTwoFrames(false)));
  ASSERT_EQ(m_inspect.Frames().size(), 2u);
  EXPECT_EQ(m_inspect.Frames()[0].nDelay, GIF_NO_DELAY);
  ASSERT_TRUE(m_picture.Draw());
  EXPECT_TRUE(KeepsAdvancing());
}

// ---- the demo skin -------------------------------------------------------------------------

TEST_F(PictureTest, DemoSkinAnimationsDecodeEveryFrame) {
  struct {
    const char* name;
    size_t nFrames;
    int nDisposal;
  } const cases[] = {
      {"install_process.gif", 12, 2},
      {"uninstall_process.gif", 12, 3},
      {"finish.gif", 10, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(m_picture.Load(SkinFile(c.name)));
    EXPECT_TRUE(m_inspect.IsGif());
    EXPECT_FALSE(m_inspect.HasSinglePicture());
    ASSERT_EQ(m_inspect.Frames().size(), c.nFrames);
    for (const gif_frame& frame : m_inspect.Frames()) EXPECT_EQ(frame.nDisposal, c.nDisposal);
    EXPECT_EQ(ControlSize().cx, 140);
    EXPECT_EQ(ControlSize().cy, 140);
    ASSERT_TRUE(m_picture.Draw());
    EXPECT_TRUE(m_inspect.Thread());
    m_picture.Stop();
    EXPECT_FALSE(m_inspect.Thread());
  }
}

// ---- composition ---------------------------------------------------------------------------

// Striped full frame, then a yellow square with the disposal under test, then one pixel in a
// corner that stays up long enough to look at what the square left behind.
TEST_F(PictureTest, DisposalOfAFrameBeforeTheNext) {
  struct {
    int nDisposal;
    const char* what;
  } const cases[] = {{1, "left in place"}, {2, "background"}, {3, "pixels under it restored"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestFrame stripes{0, 0, 16, 16, Stripes};
    TestFrame square{4, 4, 8, 8, Solid(3)};
    square.nDisposal = c.nDisposal;
    TestFrame corner{15, 15, 1, 1, Solid(3)};
    corner.nDelay = 500;
    ASSERT_TRUE(LoadBytes(BuildGif(16, 16, {stripes, square, corner})));
    ASSERT_TRUE(m_picture.Draw());
    CTPictureInspector::Snapshot shot;
    ASSERT_TRUE(WaitUntil([&] { return (shot = m_inspect.Take()).nFrame == 2; }));
    m_picture.Stop();
    const COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool bSquare = x >= 4 && x < 12 && y >= 4 && y < 12;
        COLORREF expected = StripeColour(x, y);
        if (x == 15 && y == 15) expected = YELLOW;
        else if (bSquare && c.nDisposal == 1) expected = YELLOW;
        else if (bSquare && c.nDisposal == 2) expected = background;
        ASSERT_EQ(shot.At(x, y), expected) << x << "," << y;
      }
  }
}

TEST_F(PictureTest, NewCycleStartsFromACleanSurface) {
  TestFrame first{0, 0, 4, 4, Solid(0)};
  first.nDelay = 100;
  TestFrame second{8, 8, 4, 4, Solid(2)};
  ASSERT_TRUE(LoadBytes(BuildGif(16, 16, {first, second})));
  ASSERT_TRUE(m_picture.Draw());
  CTPictureInspector::Snapshot shot;
  ASSERT_TRUE(WaitUntil([&] { return (shot = m_inspect.Take()).nFrame == 1; }));
  ASSERT_EQ(shot.At(9, 9), BLUE);
  ASSERT_TRUE(WaitUntil([&] { return (shot = m_inspect.Take()).nFrame == 0; }));
  EXPECT_EQ(shot.At(9, 9), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot.At(1, 1), RED);
}

// ---- loading and replacing -----------------------------------------------------------------

TEST_F(PictureTest, LoadThatFailsEarlyLeavesTheAnimationPlaying) {
  const std::wstring empty = WriteTemp(L"empty.gif", {});
  const std::wstring cases[] = {TempPath(L"does_not_exist.gif"), empty, TempPath(L"")};  // last: a folder
  ASSERT_TRUE(LoadBytes(FastTwoFrames()));
  ASSERT_TRUE(m_picture.Draw());
  const HANDLE hThread = m_inspect.Thread();
  for (const std::wstring& path : cases) {
    EXPECT_FALSE(m_picture.Load(path));
    EXPECT_EQ(m_inspect.Thread(), hThread);
    EXPECT_TRUE(KeepsAdvancing());
  }
  ::DeleteFileW(empty.c_str());
}

TEST_F(PictureTest, OneAnimationThreadAtATime) {
  ASSERT_TRUE(m_picture.Load(SkinFile("install_process.gif")));
  ASSERT_TRUE(m_picture.Draw());
  fw::CHandle first = WatchThread();
  // A second Draw while playing must not start a thread over the first.
  EXPECT_FALSE(m_picture.Draw());
  EXPECT_EQ(::WaitForSingleObject(first.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

  ASSERT_TRUE(m_picture.Load(SkinFile("finish.gif")));
  EXPECT_EQ(::WaitForSingleObject(first.Get(), 0), WAIT_OBJECT_0);
  EXPECT_FALSE(m_inspect.Thread());
  ASSERT_TRUE(m_picture.Draw());
  EXPECT_TRUE(KeepsAdvancing());
}

TEST_F(PictureTest, DestroyingTheWindowStopsTheAnimation) {
  ASSERT_TRUE(LoadBytes(FastTwoFrames()));
  ASSERT_TRUE(m_picture.Draw());
  fw::CHandle thread = WatchThread();
  ::DestroyWindow(m_hParent);
  m_hParent = nullptr;
  EXPECT_EQ(::WaitForSingleObject(thread.Get(), 0), WAIT_OBJECT_0);
  EXPECT_FALSE(m_inspect.Thread());
}

// The thread is stuck in a render past the stop wait: a new load must neither free what the
// thread draws with nor hang; once the thread is let go, loading works again.
TEST_F(PictureTest, StopThatOverrunsItsWaitReleasesNothing) {
  ASSERT_TRUE(LoadBytes(FastTwoFrames()));
  auto* pBlocking = new CBlockingPicture;
  pBlocking->AddRef();  // one reference for the test, one for the frame
  m_inspect.SwapFramePicture(0, pBlocking);
  ASSERT_TRUE(m_picture.Draw());
  ASSERT_EQ(pBlocking->m_entered.Wait(5000), WAIT_OBJECT_0);

  const DWORD nStart = ::GetTickCount();
  EXPECT_FALSE(m_picture.Load(SkinFile("finish.gif")));
  EXPECT_LT(::GetTickCount() - nStart, CTPicture::STOP_WAIT_MS + 2000);
  EXPECT_TRUE(m_inspect.IsReady());
  EXPECT_EQ(m_inspect.Frames().size(), 2u);
  EXPECT_TRUE(m_inspect.Thread());
  EXPECT_FALSE(m_picture.Draw());

  pBlocking->m_release.Set();
  pBlocking->Release();
  m_picture.Stop();
  EXPECT_FALSE(m_inspect.Thread());
  EXPECT_TRUE(m_picture.Load(SkinFile("finish.gif")));
}

TEST_F(PictureTest, PaintCopiesTheSurface) {
  ASSERT_TRUE(LoadBytes(BuildGif(12, 6, {TestFrame{0, 0, 12, 6, Solid(1)}})));
  ASSERT_TRUE(m_picture.Draw());
  ::ShowWindow(m_hParent, SW_SHOWNOACTIVATE);
  ::UpdateWindow(m_hParent);
  fw::CWindowDC dc(m_hStatic);
  EXPECT_EQ(::GetPixel(dc.Get(), 1, 1), GREEN);
  EXPECT_EQ(::GetPixel(dc.Get(), 11, 5), GREEN);
}

TEST_F(PictureTest, GifWithOneDecodableFrameShowsOnlyTheInitialFill) {
  ASSERT_TRUE(LoadBytes(GifWithPlainTextSecondFrame()));
  EXPECT_EQ(m_inspect.Frames().size(), 1u);
  EXPECT_FALSE(m_inspect.HasSinglePicture());
  EXPECT_FALSE(m_picture.Draw());
  EXPECT_FALSE(m_inspect.Thread());
  EXPECT_EQ(m_inspect.Take().At(3, 3), ::GetSysColor(COLOR_MENU));
}

TEST_F(PictureTest, OneImageGifIsAStillPicture) {
  ASSERT_TRUE(LoadBytes(BuildGif(12, 6, {TestFrame{0, 0, 12, 6, Solid(1)}})));
  EXPECT_TRUE(m_inspect.HasSinglePicture());
  EXPECT_TRUE(m_inspect.Frames().empty());
  EXPECT_EQ(ControlSize().cx, 12);
  EXPECT_EQ(ControlSize().cy, 6);
  ASSERT_TRUE(m_picture.Draw());
  EXPECT_FALSE(m_inspect.Thread());
  const auto shot = m_inspect.Take();
  EXPECT_EQ(shot.At(0, 0), GREEN);
  EXPECT_EQ(shot.At(11, 5), GREEN);
}

TEST_F(PictureTest, UnknownGifVersionGoesWholeToThePictureLoader) {
  const bool bLoaded = LoadBytes(BuildGif(8, 8, {TestFrame{0, 0, 8, 8, Solid(0)}, TestFrame{0, 0, 8, 8, Solid(1)}}, "88a"));
  EXPECT_FALSE(m_inspect.IsGif());
  EXPECT_TRUE(m_inspect.Frames().empty());
  EXPECT_EQ(bLoaded, m_inspect.HasSinglePicture());
  m_picture.Draw();
  EXPECT_FALSE(m_inspect.Thread());
}

TEST_F(PictureTest, BitmapIsSizedFromItsHimetricSize) {
  const std::wstring path = WriteTemp(L"plain.bmp", BuildBmp(30, 10, BLUE));
  ASSERT_TRUE(m_picture.Load(path));
  EXPECT_FALSE(m_inspect.IsGif());
  EXPECT_TRUE(m_inspect.HasSinglePicture());
  EXPECT_EQ(ControlSize().cx, 30);
  EXPECT_EQ(ControlSize().cy, 10);
  ASSERT_TRUE(m_picture.Draw());
  const auto shot = m_inspect.Take();
  EXPECT_EQ(shot.At(0, 0), BLUE);
  EXPECT_EQ(shot.At(29, 9), BLUE);
  ::DeleteFileW(path.c_str());
}

TEST_F(PictureTest, BadDataFailsAndLeavesTheControlEmpty) {
  std::vector<uint8_t> twoFrames = FastTwoFrames();
  std::vector<uint8_t> brokenFirstBlock(twoFrames.begin(), twoFrames.begin() + 25);  // header, table, then cut
  brokenFirstBlock.push_back(0x99);
  struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } const cases[] = {
      {"not a picture", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!'}},
      {"GIF broken before its first frame", brokenFirstBlock},
      {"zero-size screen", BuildGif(0, 0, {TestFrame{0, 0, 2, 2, Solid(0)}, TestFrame{0, 0, 2, 2, Solid(1)}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(LoadBytes(FastTwoFrames()));
    EXPECT_FALSE(LoadBytes(c.bytes));
    EXPECT_FALSE(m_inspect.IsReady());
    EXPECT_FALSE(m_picture.Draw());
    EXPECT_FALSE(m_inspect.Thread());
  }
  // A size beyond the block, and no data at all.
  fw::CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, 16));
  EXPECT_FALSE(m_picture.LoadFromMemory(block.Get(), 1u << 20));
  EXPECT_FALSE(m_picture.LoadFromMemory(block.Get(), 0));
  EXPECT_FALSE(m_picture.LoadFromMemory(nullptr, 16));
}

}  // namespace
