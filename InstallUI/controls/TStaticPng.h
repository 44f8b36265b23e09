// An image label: drawn like the image button, but it reacts to the mouse only once it has
// been made clickable.
#pragma once

#include "controls/TImageControl.h"
#include "framework/Controls.h"

class CTStaticPng : public fw::CStatic, public CTImageControl {
 public:
  CTStaticPng();

  // Adds SS_NOTIFY once, so the label gets mouse messages and reports clicks to its parent.
  void MakeClickable();

  int m_bClickable = 0;

  BEGIN_MSG_MAP(CTStaticPng)
    IMAGE_CONTROL_MESSAGES()
  END_MSG_MAP()

 protected:
  HWND ControlWindow() const override { return m_hWnd; }
  bool TakesMouse() const override { return m_bClickable == 1; }
};
