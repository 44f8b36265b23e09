// The three text looks of the image buttons and labels, from the settings.
#include "app/ApplicationApp.h"
#include "controls/TButtonPng.h"
#include "controls/TStaticPng.h"

void CApplicationApp::ApplyButtonLook(CTButtonPng& control) {
  control.SetTextFont(m_nButtonFontHeight, m_nButtonFontWeight, m_strFontName);
  control.SetTextColors(m_clrOrange, m_clrOrange, m_clrOrange);
  control.SetTextPlacement(4, 0);
}

void CApplicationApp::ApplyBlackLabelLook(CTStaticPng& control) {
  control.SetTextFont(m_nStaticFontHeight, m_nStaticFontWeight, m_strFontName);
  control.SetTextColors(m_clrBlack, m_clrBlack, m_clrBlack);
  control.SetTextPlacement(5, 0);
}

void CApplicationApp::ApplyGreyLabelLook(CTStaticPng& control) {
  control.SetTextFont(m_nStaticFontHeight, m_nStaticFontWeight, m_strFontName);
  control.SetTextColors(m_clrGray, m_clrGray, m_clrGray);
  control.SetTextPlacement(5, 0);
}
