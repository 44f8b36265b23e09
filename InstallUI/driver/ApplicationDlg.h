// The main window: hosts the wizard pages and follows the setup steps.
#pragma once

#include <windows.h>

#include "controls/TButtonPng.h"
#include "controls/TDialog.h"
#include "controls/TStaticPng.h"
#include "framework/Handles.h"
#include "res/resource.h"

class CApplicationDlg : public CTDialog {
 public:
  CApplicationDlg();
  ~CApplicationDlg() override;

  HICON m_hIcon = nullptr;
  CTButtonPng m_btnClose;
  CTStaticPng m_lblTitle;

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;

  BEGIN_MSG_MAP(CApplicationDlg)
    MESSAGE_HANDLER(WM_SYSCOMMAND, OnSysCommand)
    MESSAGE_HANDLER(WM_PAINT, OnPaint)
    MESSAGE_HANDLER(WM_QUERYDRAGICON, OnQueryDragIcon)
    MESSAGE_HANDLER(WM_CLOSE, OnClose)
    COMMAND_ID_HANDLER(ID_TRAY_EXIT, OnExitCommand)
    COMMAND_ID_HANDLER(IDC_BTN_CLOSE, OnExitCommand)
    CHAIN_MSG_MAP(CTDialog)
  END_MSG_MAP()

  LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  LRESULT OnPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  LRESULT OnQueryDragIcon(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
  LRESULT OnExitCommand(WORD wNotifyCode, WORD wID, HWND hWndCtl, BOOL& bHandled);

  // Every way out of the program comes here.
  void OnExit();

 private:
  fw::CIcon m_icon;  // owns m_hIcon
};
