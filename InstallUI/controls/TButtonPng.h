// A push button that draws itself: its state's PNG over a copy of the background and its text.
// Focus, capture and the click notification stay the standard button's.
#pragma once

#include "controls/TImageControl.h"
#include "framework/Controls.h"

class CTButtonPng : public fw::CButton, public CTImageControl {
 public:
  CTButtonPng();

  BEGIN_MSG_MAP(CTButtonPng)
    IMAGE_CONTROL_MESSAGES()
  END_MSG_MAP()

 protected:
  HWND ControlWindow() const override { return m_hWnd; }
};
