#include "framework/App.h"

#include "framework/Window.h"

namespace fw {

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() { g_pApp = this; }

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* CWinApp::Current() { return g_pApp; }

HINSTANCE CWinApp::ResourceInstance() {
  if (g_pApp && g_pApp->m_hInstance) return g_pApp->m_hInstance;
  return ::GetModuleHandleW(nullptr);
}

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return ExitInstance();
}

int RunApplication(HINSTANCE hInstance) {
  return ExceptionBarrier<int>(-1, [&]() -> int {
    CWinApp* app = CWinApp::Current();
    if (!app) return -1;
    app->m_hInstance = hInstance;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
  });
}

}  // namespace fw
