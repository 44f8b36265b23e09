#include "controls/TImageControl.h"

#include <commctrl.h>

#include <climits>
#include <utility>

#include "controls/TextPlacement.h"

HFONT CreateTextFont(int height, int weight, const std::wstring& face) {
  return ::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, face.c_str());
}

CTImageControl::CTImageControl(HCURSOR cursor, int textInset)
    : m_pFont(CreateTextFont(m_nFontHeight, m_nFontWeight, m_strFontFace)), m_hCursor(cursor), m_nTextInset(textInset) {}

void CTImageControl::Repaint() const {
  HWND hWnd = ControlWindow();
  if (hWnd) ::InvalidateRect(hWnd, nullptr, TRUE);
}

void CTImageControl::SetImages(std::wstring normal, std::wstring hover, std::wstring pressed) {
  m_strImageNormal = std::move(normal);
  m_strImageHover = hover.empty() ? m_strImageNormal : std::move(hover);
  m_strImagePressed = pressed.empty() ? m_strImageHover : std::move(pressed);
  Repaint();
}

void CTImageControl::SetTextFont(int height, int weight, std::wstring face) {
  m_nFontHeight = height;
  m_nFontWeight = weight;
  m_strFontFace = std::move(face);
  m_pFont.Reset(CreateTextFont(m_nFontHeight, m_nFontWeight, m_strFontFace));
  Repaint();
}

void CTImageControl::SetTextColors(COLORREF normal, COLORREF hover, COLORREF pressed) {
  m_clrTextNormal = normal;
  m_clrTextHover = hover;
  m_clrTextPressed = pressed;
  Repaint();
}

void CTImageControl::SetTextPlacement(int mode, int margin) {
  m_nTextPlacement = mode;
  m_nTextMargin = margin;
  Repaint();
}

void CTImageControl::SetText(std::wstring text) {
  m_strText = std::move(text);
  Repaint();
}

void CTImageControl::Paint(HWND hWnd) {
  fw::CPaintDC paint(hWnd);
  HDC dc = paint.Get();
  RECT client{};
  ::GetClientRect(hWnd, &client);
  const int cw = client.right - client.left;
  const int ch = client.bottom - client.top;
  if (!dc || cw <= 0 || ch <= 0) return;

  // Taken once: the parent's pixels under the control at its first paint.
  if (!m_dcBack && m_dcBack.Create(dc, cw, ch)) ::BitBlt(m_dcBack.Get(), 0, 0, cw, ch, dc, 0, 0, SRCCOPY);

  // Double-buffered so the control never shows a half-drawn state.
  fw::CMemoryCanvas canvas;
  if (!canvas.Create(dc, cw, ch)) return;
  HDC mem = canvas.Get();
  if (m_dcBack) ::BitBlt(mem, 0, 0, cw, ch, m_dcBack.Get(), 0, 0, SRCCOPY);

  const std::wstring* path = &m_strImageNormal;
  COLORREF colour = m_clrTextNormal;
  if (m_bHover && m_bPressed) {
    path = &m_strImagePressed;
    colour = m_clrTextPressed;
  } else if (m_bHover) {
    path = &m_strImageHover;
    colour = m_clrTextHover;
  }

  if (!path->empty()) {
    // Decoded at every paint; a file that does not load leaves the image out.
    if (m_image.Load(*path)) {
      PremultiplyAlpha(m_image);
      m_image.Draw(mem, 0, 0);
    }
    m_image.Destroy();
  }

  ::SetBkMode(mem, TRANSPARENT);
  // The window text at the first paint (already translated) is what the control keeps.
  if (m_strText.empty()) {
    int length = ::GetWindowTextLengthW(hWnd);
    if (length > 0) {
      std::wstring text(static_cast<size_t>(length) + 1, L'\0');
      int got = ::GetWindowTextW(hWnd, &text[0], length + 1);
      text.resize(got > 0 ? static_cast<size_t>(got) : 0);
      m_strText = std::move(text);
    }
  }
  if (!m_strText.empty()) {
    fw::CSelectObject font(mem, m_pFont.Get());
    ::SetTextColor(mem, colour);
    const int length = m_strText.size() > INT_MAX ? INT_MAX : static_cast<int>(m_strText.size());
    SIZE extent{};
    ::GetTextExtentPoint32W(mem, m_strText.c_str(), length, &extent);
    CTextPoint at = PlaceText(m_nTextPlacement, cw, ch, extent.cx, extent.cy, m_nTextMargin, m_nTextInset);
    ::TextOutW(mem, at.x, at.y, m_strText.c_str(), length);
  }

  ::BitBlt(dc, 0, 0, cw, ch, mem, 0, 0, SRCCOPY);
}

LRESULT CTImageControl::HandlePaint(UINT, WPARAM, LPARAM, BOOL&) {
  Paint(ControlWindow());
  return 0;
}

LRESULT CTImageControl::HandleSetCursor(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  if (!TakesMouse() || !m_hCursor) {
    bHandled = FALSE;
    return 0;
  }
  ::SetCursor(m_hCursor);
  return TRUE;
}

LRESULT CTImageControl::HandleMouseMove(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (!TakesMouse()) return 0;
  // A label does not capture the mouse: a press released outside it never reaches it, and
  // without this it would come back showing pressed with no button down.
  if (m_bPressed && !(wParam & MK_LBUTTON)) {
    m_bPressed = 0;
    Repaint();
  }
  if (m_bTrackArmed) {
    m_bTrackArmed = 0;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = ControlWindow();
    track.dwHoverTime = 10;
    ::_TrackMouseEvent(&track);
    m_bHover = 1;
    Repaint();
  }
  return 0;
}

LRESULT CTImageControl::HandleMouseLeave(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (!TakesMouse()) return 0;
  m_bTrackArmed = 1;
  m_bHover = 0;
  Repaint();
  return 0;
}

LRESULT CTImageControl::HandleLButtonDown(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (!TakesMouse()) return 0;
  m_bPressed = 1;
  Repaint();
  return 0;
}

LRESULT CTImageControl::HandleLButtonUp(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  bHandled = FALSE;
  if (!TakesMouse()) return 0;
  m_bPressed = 0;
  Repaint();
  return 0;
}
