#include "pages/PagePattern.h"

#include "app/ApplicationApp.h"
#include "controls/TImageControl.h"
#include "controls/TStaticPng.h"
#include "lang/TranslateWindow.h"

BOOL CTPageDialog::OnInitDialog() {
  CTDialog::OnInitDialog();
  TranslateWindow(m_hWnd);
  LoadBackground(BackgroundPath());
  if (m_bPopup) {
    m_bDrag = 1;
    m_nFilletRadius = theApp.m_nFilletRadian;
  }
  ApplyLooks();
  AfterLooks();
  return TRUE;
}

void LookBold(CTImageControl& control) {
  control.SetTextFont(control.m_nFontHeight, FW_BOLD, control.m_strFontFace);
}

void LookLarge(CTImageControl& control) {
  control.SetTextFont(theApp.m_nWelcomeFontHeight, control.m_nFontWeight, control.m_strFontFace);
}

void LookButtonHeight(CTImageControl& control) {
  control.SetTextFont(theApp.m_nButtonFontHeight, control.m_nFontWeight, control.m_strFontFace);
}

void LookCentred(CTImageControl& control) { control.SetTextPlacement(4, 0); }

void LookTextWhite(CTImageControl& control) {
  control.SetTextColors(theApp.m_clrWhite, theApp.m_clrWhite, theApp.m_clrWhite);
}

void LookTextBlack(CTImageControl& control) {
  control.SetTextColors(theApp.m_clrBlack, theApp.m_clrBlack, theApp.m_clrBlack);
}

void LookTextGrey(CTImageControl& control) {
  control.SetTextColors(theApp.m_clrGray, theApp.m_clrGray, theApp.m_clrGray);
}

void LookClickable(CTStaticPng& label) {
  label.MakeClickable();
  label.m_hCursor = ::LoadCursorW(nullptr, IDC_HAND);
}
