// How every wizard page and prompt initialises, and the small adjustments their layouts apply
// after a look.
#pragma once

#include <windows.h>

#include <string>

#include "controls/TDialog.h"

class CTImageControl;
class CTStaticPng;

// A page (child window, square, fixed) or a prompt (pop-up: draggable, rounded corners).
// OnInitDialog runs, in this order: the framework's initialisation (control binding),
// TranslateWindow, LoadBackground, drag and rounding for pop-ups, ApplyLooks, AfterLooks; then
// the system sets the default focus.
class CTPageDialog : public CTDialog {
 public:
  CTPageDialog(UINT idTemplate, bool popup) : CTDialog(idTemplate), m_bPopup(popup) {}

  bool IsPopup() const { return m_bPopup; }

 protected:
  BOOL OnInitDialog() override;

  // The background bitmap of this dialog (a skin path of theApp).
  virtual std::wstring BackgroundPath() const = 0;
  // The looks and adjustments of the layout, in the dialog's order.
  virtual void ApplyLooks() {}
  // What a dialog still does once its looks are set (the licence dialog loads its text).
  virtual void AfterLooks() {}

 private:
  bool m_bPopup;
};

// Adjustments that follow a look and override part of it.
void LookBold(CTImageControl& control);          // weight 700
void LookLarge(CTImageControl& control);         // height of the welcome text
void LookButtonHeight(CTImageControl& control);  // height of the button texts
void LookCentred(CTImageControl& control);       // mode 4, margin 0
void LookTextWhite(CTImageControl& control);
void LookTextBlack(CTImageControl& control);
void LookTextGrey(CTImageControl& control);
// Reports clicks to the page as commands and shows the hand cursor over the label.
void LookClickable(CTStaticPng& label);
