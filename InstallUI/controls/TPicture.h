// Animation control: shows a picture file and plays an animated GIF on a thread of its own.
// Every frame is cut out of the GIF as a one-frame file and decoded once, at load, by the
// system's OLE picture loader; the thread only renders ready pictures into an off-screen
// surface and the paint handler copies that surface.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/GifFrames.h"
#include "framework/Controls.h"
#include "framework/Handles.h"

// One decoded frame of an animated GIF. Owns its picture.
struct gif_frame {
  gif_frame(IPicture* picture, const CGifFrameValues& values)
      : pPicture(picture),
        nWidth(values.nWidth),
        nHeight(values.nHeight),
        nLeft(values.nLeft),
        nTop(values.nTop),
        nDelay(values.nDelay),
        nDisposal(values.nDisposal) {}
  ~gif_frame() {
    if (pPicture) pPicture->Release();
  }
  gif_frame(const gif_frame&) = delete;
  gif_frame& operator=(const gif_frame&) = delete;
  gif_frame(gif_frame&& other) noexcept { *this = std::move(other); }
  gif_frame& operator=(gif_frame&& other) noexcept {
    if (this != &other) {
      if (pPicture) pPicture->Release();
      pPicture = other.pPicture;
      other.pPicture = nullptr;
      nWidth = other.nWidth;
      nHeight = other.nHeight;
      nLeft = other.nLeft;
      nTop = other.nTop;
      nDelay = other.nDelay;
      nDisposal = other.nDisposal;
    }
    return *this;
  }

  IPicture* pPicture = nullptr;
  int32_t nWidth = 0;
  int32_t nHeight = 0;
  int32_t nLeft = 0;
  int32_t nTop = 0;
  uint32_t nDelay = GIF_NO_DELAY;  // hundredths of a second
  int32_t nDisposal = 0;
};

class CTPicture : public fw::CStatic {
 public:
  // How long a frame stays on screen, in milliseconds, for its delay in hundredths.
  static DWORD FrameDelayMs(uint32_t nDelay);

  CTPicture();
  ~CTPicture() override;

  // Reads the whole file and loads it. A file that cannot be opened or read, or is empty,
  // fails before anything shown is touched, so a running animation goes on.
  bool Load(const std::wstring& strPath);
  // Replaces what is shown by the picture in the first nSize bytes of the block. The block
  // stays the caller's.
  bool LoadFromMemory(HGLOBAL hData, DWORD nSize);
  // Starts the animation of an animated GIF, or renders the single picture. True when the
  // animation started or the picture was rendered.
  bool Draw();
  // Stops the animation thread, waiting for it at most STOP_WAIT_MS.
  void Stop();
  // Stops and releases everything loaded. False, with nothing released, when the animation
  // thread has not ended within the stop wait: it may still be drawing.
  bool UnLoad();

  static constexpr DWORD STOP_WAIT_MS = 5000;

  BEGIN_MSG_MAP(CTPicture)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    CHAIN_MSG_MAP(fw::CStatic)
  END_MSG_MAP()

 private:
  friend class CTPictureInspector;  // tests read the surface

  // Holds m_lock for one scope.
  class CSurfaceLock {
   public:
    explicit CSurfaceLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CSurfaceLock() { ::LeaveCriticalSection(&m_cs); }
    CSurfaceLock(const CSurfaceLock&) = delete;
    CSurfaceLock& operator=(const CSurfaceLock&) = delete;

   private:
    CRITICAL_SECTION& m_cs;
  };

  LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL& bHandled);
  LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled);

  // GIF frames or a single picture from the data; leaves partial state on failure.
  bool LoadData(HGLOBAL hData, DWORD nSize);
  bool LoadSinglePicture(HGLOBAL hData, DWORD nSize);
  bool PrepareSurface(int nWidth, int nHeight);
  void ReleaseContent();

  static unsigned __stdcall AnimationThreadProc(void* pParam);
  void AnimationThread();
  // Both run with m_lock held.
  void DisposeFrame(const gif_frame& frame);
  bool RenderFrame(const gif_frame& frame);

  int m_nWidth = 0;
  int m_nHeight = 0;
  COLORREF m_clrBackground = RGB(255, 255, 255);
  unsigned m_nCurrentFrame = 0;
  BOOL m_bIsGif = FALSE;
  std::atomic<int> m_bStop{0};
  BOOL m_bReady = FALSE;
  fw::CMemoryCanvas m_hMemDC;    // the surface
  fw::CMemoryCanvas m_hSavedDC;  // pixels under a restore-to-previous frame
  fw::CHandle m_hThread;
  fw::CEvent m_hStopEvent;
  IPicture* m_pPicture = nullptr;  // owned
  std::vector<gif_frame> m_frames;
  CGifFrameSplitter m_splitter;

  // Serialises the surfaces between the animation thread and the paint handler.
  CRITICAL_SECTION m_lock;
};
