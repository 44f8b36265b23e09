// A text label drawn by the standard static control, in its own font and colour, with no
// background of its own so the dialog's bitmap shows around the letters.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Controls.h"
#include "framework/Handles.h"

class CTStatic : public fw::CStatic {
 public:
  CTStatic();

  // Re-creates the font; shows at the next paint (no repaint is asked for).
  void SetTextFont(int height, int weight, std::wstring face);

  COLORREF m_clrText = 0;
  int m_nFontHeight = 16;
  int m_nFontWeight = 0;
  std::wstring m_strFontFace = L"Arial";
  fw::CFont m_pFont;

  BEGIN_MSG_MAP(CTStatic)
    REFLECTED_MESSAGE_HANDLER(WM_CTLCOLORSTATIC, OnCtlColor)
  END_MSG_MAP()

 private:
  LRESULT OnCtlColor(UINT, WPARAM wParam, LPARAM, BOOL&);
};
