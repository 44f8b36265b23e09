// The About box of the system menu: a plain dialog, neither skinned nor translated.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public fw::CDialog {
 public:
  CAboutDlg() : fw::CDialog(IDD_ABOUTBOX) {}
};
