// Full paths of the skin files beside the executable. Nothing is opened here: a missing file
// shows up when its window loads it.
#include "app/ApplicationApp.h"
#include "framework/Format.h"

void CApplicationApp::InitSkinPaths() {
  struct SkinFile {
    std::wstring CApplicationApp::*member;
    const wchar_t* name;
  };
  static const SkinFile kFiles[] = {
      {&CApplicationApp::m_strSkinMainBack, L"main_back.bmp"},
      {&CApplicationApp::m_strSkinChildBack, L"child_back.bmp"},
      {&CApplicationApp::m_strSkinExitBack, L"exit_back.bmp"},
      {&CApplicationApp::m_strSkinWarrantBack, L"warrant_back.bmp"},
      {&CApplicationApp::m_strSkinIcon, L"main.ico"},
      {&CApplicationApp::m_strSkinCloseNormal, L"btn_close_normal.png"},
      {&CApplicationApp::m_strSkinCloseMove, L"btn_close_move.png"},
      {&CApplicationApp::m_strSkinWifi, L"wifi.png"},
      {&CApplicationApp::m_strSkinInstallButton, L"btn_install.png"},
      {&CApplicationApp::m_strSkinUninstallCancelButton, L"btn_uninstall_cancel.png"},
      {&CApplicationApp::m_strSkinUninstallButton, L"btn_uninstall.png"},
      {&CApplicationApp::m_strSkinOkButton, L"btn_ok.png"},
      {&CApplicationApp::m_strSkinCancelButton, L"btn_cancel.png"},
      {&CApplicationApp::m_strSkinInstallAnimation, L"install_process.gif"},
      {&CApplicationApp::m_strSkinUninstallAnimation, L"uninstall_process.gif"},
      {&CApplicationApp::m_strSkinFinishAnimation, L"finish.gif"},
  };
  for (const SkinFile& file : kFiles)
    this->*file.member = fw::Format(L"%lsSkin\\%ls", m_strExeDir.c_str(), file.name);
}
