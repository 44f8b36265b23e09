// The application object: start-up, run mode and the settings every window reads.
#pragma once

#include <windows.h>

#include <string>

#include "app/OperateCharacter.h"
#include "app/OperateSystemInfo.h"
#include "app/RunMode.h"
#include "framework/App.h"
#include "lang/OperateLanguage.h"

class CTButtonPng;
class CTStaticPng;

// The single-instance mutex and the framework's per-user key share this name.
#define APPLICATION_INSTANCE_NAME L"Application_Install_Halvex"

class CApplicationApp : public fw::CWinApp {
 public:
  CApplicationApp();
  ~CApplicationApp() override;

  BOOL InitInstance() override;

  void InitDirectories();
  BOOL IsInstalled();
  void LoadSettings();
  std::wstring ReadSetting(const std::wstring& section, const std::wstring& key, const std::wstring& defaultText);
  BOOL ParseColor(COLORREF& colour, const std::wstring& text);
  void InitSkinPaths();

  // The three text looks of labels and buttons, from the settings.
  void ApplyButtonLook(CTButtonPng& control);
  void ApplyBlackLabelLook(CTStaticPng& control);
  void ApplyGreyLabelLook(CTStaticPng& control);

  COperateLanguage m_language;
  COperateSystemInfo m_systemInfo;
  COperateCharacter m_textOps;
  HWND m_hMainWnd = nullptr;
  int m_nRunMode = RUN_MODE_INSTALL;
  std::wstring m_strExeDir;
  std::wstring m_strRegCompany;
  std::wstring m_strRegProduct;
  std::wstring m_strRegInstallDirValue;
  std::wstring m_strRegGuid;
  std::wstring m_strProgramName;
  std::wstring m_strInstallDir;
  std::wstring m_strLicenseFile;
  std::wstring m_strTempDir;
  std::wstring m_strRecordedInstallDir;
  std::wstring m_strSetupTitle;

  std::wstring m_strSkinMainBack;
  std::wstring m_strSkinChildBack;
  std::wstring m_strSkinExitBack;
  std::wstring m_strSkinWarrantBack;
  std::wstring m_strSkinIcon;
  std::wstring m_strSkinCloseNormal;
  std::wstring m_strSkinCloseMove;
  std::wstring m_strSkinWifi;
  std::wstring m_strSkinInstallButton;
  std::wstring m_strSkinUninstallCancelButton;
  std::wstring m_strSkinUninstallButton;
  std::wstring m_strSkinOkButton;
  std::wstring m_strSkinCancelButton;
  std::wstring m_strSkinInstallAnimation;
  std::wstring m_strSkinUninstallAnimation;
  std::wstring m_strSkinFinishAnimation;

  std::wstring m_strFontName;
  int m_nButtonFontWeight = 0;
  int m_nButtonFontHeight = 0;
  int m_nStaticFontWeight = 0;
  int m_nStaticFontHeight = 0;
  int m_nWelcomeFontHeight = 0;
  COLORREF m_clrWhite = 0;
  COLORREF m_clrBlack = 0;
  COLORREF m_clrGray = 0;
  COLORREF m_clrOrange = 0;
  COLORREF m_clrWarrantEditBack = 0;
  int m_nFilletRadian = 0;
  HANDLE m_hEngineEvent = nullptr;
  BOOL m_bEngineAborted = FALSE;

 private:
  // Runs the main window modally; the program ends when it closes.
  void RunMainWindow();
};

extern CApplicationApp theApp;
