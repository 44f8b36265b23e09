#include "controls/TStatic.h"

#include <utility>

#include "controls/TImageControl.h"

CTStatic::CTStatic() : m_pFont(CreateTextFont(m_nFontHeight, m_nFontWeight, m_strFontFace)) {}

void CTStatic::SetTextFont(int height, int weight, std::wstring face) {
  m_nFontHeight = height;
  m_nFontWeight = weight;
  m_strFontFace = std::move(face);
  m_pFont.Reset(CreateTextFont(m_nFontHeight, m_nFontWeight, m_strFontFace));
}

LRESULT CTStatic::OnCtlColor(UINT, WPARAM wParam, LPARAM, BOOL&) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  ::SetTextColor(dc, m_clrText);
  if (m_pFont) {
    ::SelectObject(dc, m_pFont.Get());
    // Some static controls select their own font after this message; give them ours too,
    // without a redraw (this is the paint).
    WPARAM font = reinterpret_cast<WPARAM>(m_pFont.Get());
    if (m_hWnd && static_cast<WPARAM>(SendMessage(WM_GETFONT)) != font) SendMessage(WM_SETFONT, font, FALSE);
  }
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}
