// What the image button and the image label share: the PNG of each state drawn with alpha over
// a copy of the background, a one-line text in the control's own font, colour and placement,
// and the normal / hover / pressed states driven by the mouse.
#pragma once

#include <windows.h>

#include <string>

#include "controls/ImagePng.h"
#include "framework/Handles.h"

// The font of the skinned controls: height, weight and face; everything else default.
HFONT CreateTextFont(int height, int weight, const std::wstring& face);

class CTImageControl {
 public:
  virtual ~CTImageControl() = default;
  CTImageControl(const CTImageControl&) = delete;
  CTImageControl& operator=(const CTImageControl&) = delete;

  // An empty hover file falls back to the normal file, an empty pressed file to the hover one.
  void SetImages(std::wstring normal, std::wstring hover, std::wstring pressed);
  void SetTextFont(int height, int weight, std::wstring face);
  void SetTextColors(COLORREF normal, COLORREF hover, COLORREF pressed);
  void SetTextPlacement(int mode, int margin);
  void SetText(std::wstring text);

  CImagePng m_image;  // scratch for the paint: decoded afresh each time
  std::wstring m_strImageNormal;
  std::wstring m_strImageHover;
  std::wstring m_strImagePressed;
  int m_nFontHeight = 18;
  int m_nFontWeight = 0;
  std::wstring m_strFontFace = L"Microsoft YaHei";
  fw::CFont m_pFont;
  COLORREF m_clrTextNormal = 0;
  COLORREF m_clrTextHover = 0;
  COLORREF m_clrTextPressed = 0;
  std::wstring m_strText;
  int m_nTextPlacement = 4;
  int m_nTextMargin = 0;
  HCURSOR m_hCursor = nullptr;
  int m_bHover = 0;
  int m_bPressed = 0;
  int m_bTrackArmed = 1;
  fw::CMemoryCanvas m_dcBack;  // what lay under the control at its first paint

 protected:
  CTImageControl(HCURSOR cursor, int textInset);

  // The control's window, for repaints.
  virtual HWND ControlWindow() const = 0;
  // Whether the control reacts to the mouse at all.
  virtual bool TakesMouse() const { return true; }

  void Repaint() const;
  void Paint(HWND hWnd);

  // Handlers for the derived message maps. Those that leave bHandled FALSE let the control's
  // own processing follow.
  LRESULT HandlePaint(UINT, WPARAM, LPARAM, BOOL&);
  LRESULT HandleSetCursor(UINT, WPARAM, LPARAM, BOOL& bHandled);
  LRESULT HandleMouseMove(UINT, WPARAM, LPARAM, BOOL& bHandled);
  LRESULT HandleMouseLeave(UINT, WPARAM, LPARAM, BOOL& bHandled);
  LRESULT HandleLButtonDown(UINT, WPARAM, LPARAM, BOOL& bHandled);
  LRESULT HandleLButtonUp(UINT, WPARAM, LPARAM, BOOL& bHandled);

 private:
  int m_nTextInset;
};

// The message map entries both controls use.
#define IMAGE_CONTROL_MESSAGES()                            \
  MESSAGE_HANDLER(WM_PAINT, HandlePaint)                    \
  MESSAGE_HANDLER(WM_SETCURSOR, HandleSetCursor)            \
  MESSAGE_HANDLER(WM_MOUSEMOVE, HandleMouseMove)            \
  MESSAGE_HANDLER(WM_MOUSELEAVE, HandleMouseLeave)          \
  MESSAGE_HANDLER(WM_LBUTTONDOWN, HandleLButtonDown)        \
  /* a quick second click comes as a double click */        \
  MESSAGE_HANDLER(WM_LBUTTONDBLCLK, HandleLButtonDown)      \
  MESSAGE_HANDLER(WM_LBUTTONUP, HandleLButtonUp)
