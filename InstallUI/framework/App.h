// The application object: one per process, constructed statically; the framework's WinMain
// hands it the instance and runs its start-up hook.
#pragma once

#include <windows.h>

namespace fw {

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The start-up hook. TRUE enters the message loop of Run; FALSE ends the program at once.
  virtual BOOL InitInstance() { return TRUE; }
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

  static CWinApp* Current();
  // The module that holds the dialog templates, strings and icons.
  static HINSTANCE ResourceInstance();
};

// Called by WinMain: sets the instance and runs the application's start-up hook.
int RunApplication(HINSTANCE hInstance);

}  // namespace fw
