#include "controls/TPicture.h"

#include <climits>
#include <cstring>

#include "framework/Thread.h"

namespace {

// Decodes one picture file held in a global memory block. With bStreamOwnsBlock the block is
// freed with the stream, also when the stream cannot be made.
IPicture* DecodePicture(HGLOBAL hBlock, DWORD nSize, bool bStreamOwnsBlock) {
  IStream* pStream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(hBlock, bStreamOwnsBlock ? TRUE : FALSE, &pStream)) || !pStream) {
    if (bStreamOwnsBlock) ::GlobalFree(hBlock);
    return nullptr;
  }
  IPicture* pPicture = nullptr;
  HRESULT hr = E_FAIL;
  if (nSize <= static_cast<DWORD>(LONG_MAX))
    hr = ::OleLoadPicture(pStream, static_cast<LONG>(nSize), FALSE, IID_IPicture,
                          reinterpret_cast<void**>(&pPicture));
  pStream->Release();
  if (FAILED(hr)) {
    if (pPicture) pPicture->Release();
    return nullptr;
  }
  return pPicture;
}

// Renders a picture whole into a rectangle; HIMETRIC sources run bottom-up, hence the flip.
bool RenderPicture(IPicture* pPicture, HDC hDC, int x, int y, int cx, int cy) {
  OLE_XSIZE_HIMETRIC nWidth = 0;
  OLE_YSIZE_HIMETRIC nHeight = 0;
  if (FAILED(pPicture->get_Width(&nWidth)) || FAILED(pPicture->get_Height(&nHeight))) return false;
  return SUCCEEDED(pPicture->Render(hDC, x, y, cx, cy, 0, nHeight, nWidth, -nHeight, nullptr));
}

void FillSurface(HDC hDC, const RECT& rect, COLORREF colour) {
  fw::CBrush brush(::CreateSolidBrush(colour));
  if (brush) ::FillRect(hDC, &rect, brush.Get());
}

}  // namespace

DWORD CTPicture::FrameDelayMs(uint32_t nDelay) {
  // A frame without a graphic control extension has no delay of its own: taken literally,
  // its marker would hold the frame for 49 days.
  if (nDelay < 5 || nDelay > 0xFFFF) return 100;
  return nDelay * 10;
}

CTPicture::CTPicture() : m_hStopEvent(TRUE, FALSE) { ::InitializeCriticalSection(&m_lock); }

CTPicture::~CTPicture() {
  Stop();
  // A thread that overran the stop wait still uses this object; it has its stop request and
  // ends after the frame it is rendering.
  if (m_hThread) {
    ::WaitForSingleObject(m_hThread.Get(), INFINITE);
    m_hThread.Reset();
  }
  ReleaseContent();
  ::DeleteCriticalSection(&m_lock);
}

bool CTPicture::Load(const std::wstring& strPath) {
  // Nothing shown is touched until the whole file is in memory.
  fw::CFileHandle file(::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.HighPart != 0) return false;
  const DWORD nSize = size.LowPart;
  fw::CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_NODISCARD, nSize));
  if (!block) return false;
  void* pData = ::GlobalLock(block.Get());
  if (!pData) return false;
  DWORD nRead = 0;
  // A short read would leave the tail of the block undefined.
  const bool bRead = ::ReadFile(file.Get(), pData, nSize, &nRead, nullptr) && nRead == nSize;
  ::GlobalUnlock(block.Get());
  if (!bRead) return false;
  file.Reset();
  return LoadFromMemory(block.Get(), nSize);
}

bool CTPicture::LoadFromMemory(HGLOBAL hData, DWORD nSize) {
  if (!UnLoad()) return false;
  // A size beyond the block would have the parser read past it.
  if (!hData || nSize == 0 || ::GlobalSize(hData) < nSize) return false;
  const bool bLoaded = LoadData(hData, nSize);
  if (!bLoaded) ReleaseContent();
  return bLoaded;
}

bool CTPicture::LoadData(HGLOBAL hData, DWORD nSize) {
  const auto* pData = static_cast<const uint8_t*>(::GlobalLock(hData));
  if (!pData) return false;
  if (!m_splitter.Open(pData, nSize)) {
    ::GlobalUnlock(hData);
    return LoadSinglePicture(hData, nSize);
  }
  m_bIsGif = TRUE;
  m_nWidth = m_splitter.ScreenWidth();
  m_nHeight = m_splitter.ScreenHeight();
  const uint32_t nBlocks = m_splitter.CountGraphicBlocks();
  if (nBlocks >= 2) {
    m_splitter.Rewind();
    std::vector<uint8_t> wrapped;
    CGifFrameValues values;
    while (m_splitter.NextFrame(wrapped, values)) {
      HGLOBAL hFrame = ::GlobalAlloc(GMEM_FIXED, wrapped.size());
      if (!hFrame) break;
      std::memcpy(reinterpret_cast<void*>(hFrame), wrapped.data(), wrapped.size());
      // The stream owns the frame's block from here on.
      IPicture* pPicture = DecodePicture(hFrame, static_cast<DWORD>(wrapped.size()), true);
      if (pPicture) m_frames.emplace_back(pPicture, values);
    }
  }
  // The data goes back to the caller: the parser must not keep pointing into it.
  m_splitter.Close();
  ::GlobalUnlock(hData);

  if (nBlocks == 0) return false;
  if (nBlocks == 1) {
    m_pPicture = DecodePicture(hData, nSize, false);
    if (!m_pPicture) return false;
  } else if (m_frames.empty()) {
    return false;
  }
  return PrepareSurface(m_nWidth, m_nHeight);
}

bool CTPicture::LoadSinglePicture(HGLOBAL hData, DWORD nSize) {
  m_pPicture = DecodePicture(hData, nSize, false);
  if (!m_pPicture) return false;
  OLE_XSIZE_HIMETRIC nWidth = 0;
  OLE_YSIZE_HIMETRIC nHeight = 0;
  if (FAILED(m_pPicture->get_Width(&nWidth)) || FAILED(m_pPicture->get_Height(&nHeight))) return false;
  fw::CWindowDC screen(m_hWnd);
  if (!screen) return false;
  m_nWidth = ::MulDiv(nWidth, ::GetDeviceCaps(screen.Get(), LOGPIXELSX), 2540);
  m_nHeight = ::MulDiv(nHeight, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 2540);
  return PrepareSurface(m_nWidth, m_nHeight);
}

bool CTPicture::PrepareSurface(int nWidth, int nHeight) {
  if (nWidth <= 0 || nHeight <= 0) return false;
  fw::CWindowDC screen(m_hWnd);
  if (!screen) return false;
  {
    CSurfaceLock lock(m_lock);
    if (!m_hMemDC.Create(screen.Get(), nWidth, nHeight)) return false;
    m_clrBackground = ::GetSysColor(COLOR_BTNFACE);
    const RECT rect{0, 0, nWidth, nHeight};
    ::FillRect(m_hMemDC.Get(), &rect, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
  }
  if (m_hWnd) SetWindowPos(nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_bReady = TRUE;
  return true;
}

bool CTPicture::Draw() {
  if (!m_bReady) return false;
  if (m_bIsGif && m_frames.size() > 1) {
    // One thread per control: a second one would draw over the first and lose its handle.
    if (m_hThread || !m_hStopEvent) return false;
    fw::CHandle thread = fw::StartThread(&CTPicture::AnimationThreadProc, this, true);
    if (!thread) return false;
    m_hThread = std::move(thread);
    if (::ResumeThread(m_hThread.Get()) == static_cast<DWORD>(-1)) {
      // It never ran, so it holds nothing.
      ::TerminateThread(m_hThread.Get(), 0);
      m_hThread.Reset();
      return false;
    }
    return true;
  }
  if (!m_pPicture) return false;
  bool bRendered = false;
  {
    CSurfaceLock lock(m_lock);
    bRendered = RenderPicture(m_pPicture, m_hMemDC.Get(), 0, 0, m_nWidth, m_nHeight);
  }
  if (bRendered && m_hWnd) ::InvalidateRect(m_hWnd, nullptr, FALSE);
  return bRendered;
}

void CTPicture::Stop() {
  m_bStop = 1;
  m_hStopEvent.Set();
  if (m_hThread) {
    // Still rendering after the wait: the request stays standing and the handle stays here,
    // so nothing it uses is released (see UnLoad).
    if (::WaitForSingleObject(m_hThread.Get(), STOP_WAIT_MS) != WAIT_OBJECT_0) return;
    m_hThread.Reset();
  }
  m_hStopEvent.Reset();
  m_bStop = 0;
}

bool CTPicture::UnLoad() {
  Stop();
  if (m_hThread) return false;
  ReleaseContent();
  return true;
}

void CTPicture::ReleaseContent() {
  CSurfaceLock lock(m_lock);
  if (m_pPicture) {
    m_pPicture->Release();
    m_pPicture = nullptr;
  }
  m_frames.clear();
  m_hSavedDC.Destroy();
  m_hMemDC.Destroy();
  m_bReady = FALSE;
  m_bIsGif = FALSE;
  m_splitter.Close();
  m_nCurrentFrame = 0;
  m_clrBackground = RGB(255, 255, 255);
}

unsigned __stdcall CTPicture::AnimationThreadProc(void* pParam) {
  static_cast<CTPicture*>(pParam)->AnimationThread();
  return 0;
}

void CTPicture::AnimationThread() {
  // The window outlives the thread: WM_DESTROY stops it.
  const HWND hWnd = m_hWnd;
  const size_t nFrames = m_frames.size();
  if (nFrames == 0) return;

  // The lock is held from a frame's disposal through the next frame's rendering, so a paint
  // never copies a half-made picture.
  ::EnterCriticalSection(&m_lock);
  if (m_nCurrentFrame >= nFrames) m_nCurrentFrame = 0;
  // Undo the frame a previous run left on the surface.
  DisposeFrame(m_frames[m_nCurrentFrame]);
  while (!m_bStop) {
    const gif_frame& frame = m_frames[m_nCurrentFrame];
    bool bDrawn = false;
    if (frame.pPicture) {
      if (frame.nDisposal == 3 && frame.nWidth > 0 && frame.nHeight > 0 &&
          m_hSavedDC.Create(m_hMemDC.Get(), frame.nWidth, frame.nHeight))
        ::BitBlt(m_hSavedDC.Get(), 0, 0, frame.nWidth, frame.nHeight, m_hMemDC.Get(), frame.nLeft,
                 frame.nTop, SRCCOPY);
      bDrawn = RenderFrame(frame);
    }
    ::LeaveCriticalSection(&m_lock);

    if (bDrawn && hWnd) ::InvalidateRect(hWnd, nullptr, FALSE);
    if (frame.pPicture) {
      if (m_bStop) return;
      m_hStopEvent.Wait(FrameDelayMs(frame.nDelay));
      if (m_bStop) return;
    }

    ::EnterCriticalSection(&m_lock);
    if (frame.pPicture) DisposeFrame(frame);
    if (++m_nCurrentFrame >= nFrames) {
      m_nCurrentFrame = 0;
      FillSurface(m_hMemDC.Get(), RECT{0, 0, m_nWidth, m_nHeight}, m_clrBackground);
    }
  }
  ::LeaveCriticalSection(&m_lock);
}

bool CTPicture::RenderFrame(const gif_frame& frame) {
  return RenderPicture(frame.pPicture, m_hMemDC.Get(), frame.nLeft, frame.nTop, frame.nWidth, frame.nHeight);
}

void CTPicture::DisposeFrame(const gif_frame& frame) {
  if (frame.nDisposal == 2) {
    FillSurface(m_hMemDC.Get(),
                RECT{frame.nLeft, frame.nTop, frame.nLeft + frame.nWidth, frame.nTop + frame.nHeight},
                m_clrBackground);
  } else if (frame.nDisposal == 3 && m_hSavedDC) {
    ::BitBlt(m_hMemDC.Get(), frame.nLeft, frame.nTop, frame.nWidth, frame.nHeight, m_hSavedDC.Get(), 0, 0,
             SRCCOPY);
    m_hSavedDC.Destroy();
  }
}

LRESULT CTPicture::OnPaint(UINT, WPARAM, LPARAM, BOOL&) {
  fw::CPaintDC dc(m_hWnd);
  CSurfaceLock lock(m_lock);
  if (m_bReady && m_hMemDC) ::BitBlt(dc.Get(), 0, 0, m_nWidth, m_nHeight, m_hMemDC.Get(), 0, 0, SRCCOPY);
  return 0;
}

LRESULT CTPicture::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  Stop();
  bHandled = FALSE;  // the control's own destruction goes on
  return 0;
}
