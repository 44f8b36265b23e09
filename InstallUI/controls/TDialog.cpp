#include "controls/TDialog.h"

#include <utility>

bool IsNt5x() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
  static_assert(sizeof(OSVERSIONINFOW) == 276, "the version query needs the plain structure");
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  if (!::GetVersionExW(&info)) return false;
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion == 5;
}

void CTDialog::OnCreate() {
  fw::CDialog::OnCreate();
  if (IsNt5x()) SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CTDialog::LoadBackground(std::wstring path) {
  if (path.empty()) return;
  HANDLE image = ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  m_bmpBack.Reset(static_cast<HBITMAP>(image));
  if (m_hWnd) Invalidate(TRUE);
}

BOOL CTDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return FALSE;
  return fw::CDialog::PreTranslateMessage(pMsg);
}

void CTDialog::ApplyCornerRounding(int cw, int ch) {
  if (m_nFilletRadius <= 0) return;
  if (!m_bRegionReady) {
    m_bRegionReady = 1;
    Invalidate(TRUE);
    return;
  }
  // Setting the same region again would only redraw the window, and that redraw would come
  // back here: set it when it is missing or its size has changed.
  RECT box{};
  if (m_nRegionWidth == cw && m_nRegionHeight == ch && m_nRegionRadius == m_nFilletRadius &&
      ::GetWindowRgnBox(m_hWnd, &box) != ERROR)
    return;
  fw::CRgn region(::CreateRoundRectRgn(0, 0, cw + 1, ch + 1, m_nFilletRadius, m_nFilletRadius));
  // The window owns the region once it has taken it.
  if (region && ::SetWindowRgn(m_hWnd, region.Get(), TRUE)) {
    region.Release();
    m_nRegionWidth = cw;
    m_nRegionHeight = ch;
    m_nRegionRadius = m_nFilletRadius;
  }
}

LRESULT CTDialog::OnPaint(UINT, WPARAM, LPARAM, BOOL&) {
  fw::CPaintDC paint(m_hWnd);
  RECT client{};
  GetClientRect(&client);
  const int cw = client.right - client.left;
  const int ch = client.bottom - client.top;
  // Without a bitmap the dialog's own erase has painted its face already. The paint is begun
  // here in both cases: a repaint asked for by the rounding must come after BeginPaint, or the
  // dialog manager's BeginPaint would validate it away.
  if (m_bmpBack) {
    HDC dc = paint.Get();
    fw::CMemoryDC mem(::CreateCompatibleDC(dc));
    if (mem) {
      fw::CSelectObject select(mem.Get(), m_bmpBack.Get());
      BITMAP info{};
      ::GetObjectW(m_bmpBack.Get(), sizeof(info), &info);
      ::SetStretchBltMode(dc, COLORONCOLOR);
      ::StretchBlt(dc, 0, 0, cw, ch, mem.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
  }
  ApplyCornerRounding(cw, ch);
  return 0;
}

LRESULT CTDialog::OnLButtonDown(UINT, WPARAM, LPARAM lParam, BOOL& bHandled) {
  if (m_bDrag) PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  bHandled = FALSE;
  return 0;
}
