// The base of every skinned dialog: a bitmap background stretched over the client area,
// rounded corners through a window region, dragging by the client area, and no reaction to
// Enter or Escape.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/Handles.h"

class CTDialog : public fw::CDialog {
 public:
  explicit CTDialog(UINT idTemplate) : fw::CDialog(idTemplate) {}

  // Loads a .bmp file as the background (replacing any earlier one) and repaints. An empty
  // path does nothing; a file that does not load leaves the dialog without a background.
  void LoadBackground(std::wstring path);

  // Enter and Escape go to the focused control like any other key; the dialog manager never
  // sees them, so neither presses the default button nor cancels.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  fw::CBitmap m_bmpBack;
  int m_bDrag = 0;
  int m_nFilletRadius = 0;
  int m_bRegionReady = 0;

  BEGIN_MSG_MAP(CTDialog)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
    CHAIN_MSG_MAP(fw::CDialog)
  END_MSG_MAP()

  // Begins and ends the paint itself; a derived paint handler calls it instead of painting.
  LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL& bHandled);

 protected:
  // Topmost on Windows 2000 / XP / Server 2003.
  void OnCreate() override;

 private:
  LRESULT OnLButtonDown(UINT, WPARAM, LPARAM lParam, BOOL& bHandled);
  // Rounds the corners from the second paint on; the first only asks for that second paint.
  void ApplyCornerRounding(int cw, int ch);

  // The size and radius of the region last given to the window.
  int m_nRegionWidth = -1;
  int m_nRegionHeight = -1;
  int m_nRegionRadius = -1;
};

// Windows NT 5.x (2000, XP, Server 2003).
bool IsNt5x();
