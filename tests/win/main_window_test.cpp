// The main window run modally in this process, inspected from a timer while its modal loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/ApplicationApp.h"
#include "driver/ApplicationDlg.h"

namespace {

std::function<void(HWND)> g_inspect;

void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND main = theApp.m_hMainWnd;
  if (g_inspect && main) g_inspect(main);
  ::PostMessageW(main, WM_CLOSE, 0, 0);
}

// Runs the main window until the inspection has looked at it; returns the modal result.
INT_PTR RunMainWindow(std::function<void(HWND)> inspect) {
  g_inspect = std::move(inspect);
  theApp.m_hMainWnd = nullptr;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &InspectAndClose);
  CApplicationDlg dlg;
  INT_PTR result = dlg.DoModal();
  ::KillTimer(nullptr, timer);
  g_inspect = nullptr;
  return result;
}

std::wstring Text(HWND hWnd) {
  wchar_t text[256] = {};
  ::GetWindowTextW(hWnd, text, 256);
  return text;
}

TEST(MainWindow, TitleAboutEntryAndHandle) {
  theApp.m_strSetupTitle = L"Alpha_Beta_Setup";
  HWND seen = nullptr;
  INT_PTR result = RunMainWindow([&](HWND main) {
    seen = main;
    EXPECT_EQ(Text(main), L"Alpha_Beta_Setup");
    EXPECT_EQ(Text(::GetDlgItem(main, IDC_LBL_TITLE)), L"Network Adapter");
    // The About entry is the last item of the system menu, after a separator.
    HMENU menu = ::GetSystemMenu(main, FALSE);
    ASSERT_TRUE(menu);
    int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t item[64] = {};
    ::GetMenuStringW(menu, count - 1, item, 64, MF_BYPOSITION);
    EXPECT_STREQ(item, L"About Application(&A)...");
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, count - 2, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
  });
  EXPECT_TRUE(seen);
  EXPECT_EQ(result, IDOK);
}

// The About box for system commands 16 to 31; it ends with its OK button.
bool g_aboutFound = false;
void CALLBACK PressAboutOk(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND about = ::FindWindowW(nullptr, L"About Application");
  g_aboutFound = about != nullptr;
  if (about) ::PostMessageW(about, WM_COMMAND, IDOK, 0);
}

TEST(MainWindow, SystemCommandsOpenTheAboutBox) {
  for (WPARAM command : {WPARAM(16), WPARAM(31)}) {
    g_aboutFound = false;
    RunMainWindow([&](HWND main) {
      ::SetTimer(nullptr, 0, 200, &PressAboutOk);
      // Returns when the About box has ended.
      ::SendMessageW(main, WM_SYSCOMMAND, command, 0);
      EXPECT_EQ(::FindWindowW(nullptr, L"About Application"), nullptr);
    });
    EXPECT_TRUE(g_aboutFound) << command;
  }
}

}  // namespace
