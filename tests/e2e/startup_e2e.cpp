// Starting the program from its package folder: the main window and its title, the single
// instance, and the DLL search order.
#include <windows.h>

#include <gtest/gtest.h>

#include "E2eSupport.h"

namespace {

constexpr DWORD kStartTimeout = 15000;

TEST(Startup, MainWindowTitleComesFromTheSettings) {
  struct Case {
    const char* settings;  // null: the package's own Setting.ini
    const wchar_t* title;
    const wchar_t* shot;
  };
  const Case cases[] = {
      {nullptr, L"Morva_KorbiNet_Setup", L"startup_default"},
      {"[Setting]\r\nregister_company=Alpha\r\nregister_product=Beta\r\n", L"Alpha_Beta_Setup", L"startup_alpha_beta"},
  };
  for (const Case& c : cases) {
    e2e::CScratchPackage package;
    if (c.settings) {
      ASSERT_TRUE(package.WriteFile(L"Setting\\Setting.ini", c.settings));
    }
    e2e::CAppProcess app;
    ASSERT_TRUE(app.Start(package.Exe()));
    HWND window = app.WaitForWindow(L"_Setup", kStartTimeout);
    ASSERT_TRUE(window) << "no main window";
    EXPECT_EQ(e2e::WindowText(window), c.title);
    // The window is borderless, sits on the taskbar and has a system menu.
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    ::Sleep(500);
    EXPECT_TRUE(e2e::SaveScreenshot(window, c.shot));
  }
}

// Wine takes the system locale from LC_ALL when a process starts, and the program inherits this
// test's: the test command runs this case once per locale (see CMakeLists.txt).
TEST(StartupLanguage, TextsFollowTheSystemLanguage) {
  WORD language = LANGIDFROMLCID(::GetSystemDefaultLCID());
  // Chinese (PRC) is listed in the demo's Language.ini; anything else shows English.
  const wchar_t* expected = language == 0x0804 ? L"\x7F51\x7EDC\x9002\x914D\x5668" : L"Network Adapter";
  e2e::CScratchPackage package;
  e2e::CAppProcess app;
  ASSERT_TRUE(app.Start(package.Exe()));
  HWND window = app.WaitForWindow(L"_Setup", kStartTimeout);
  ASSERT_TRUE(window);
  EXPECT_EQ(e2e::WindowText(window), L"Morva_KorbiNet_Setup") << "the title is never translated";
  EXPECT_EQ(e2e::WindowText(::GetDlgItem(window, 1004)), expected) << "language " << language;
  ::Sleep(500);
  EXPECT_TRUE(e2e::SaveScreenshot(window, L"startup_language_" + std::to_wstring(language)));
}

TEST(Startup, StartsWithoutSkinSettingsOrLanguages) {
  e2e::CScratchPackage package;
  for (const wchar_t* folder : {L"Skin", L"Setting", L"Languages"})
    ASSERT_TRUE(e2e::DeleteTree(package.Dir() + folder)) << "could not remove the folder";
  e2e::CAppProcess app;
  ASSERT_TRUE(app.Start(package.Exe()));
  HWND window = app.WaitForWindow(L"_Setup", kStartTimeout);
  ASSERT_TRUE(window) << "no main window without the package files";
  EXPECT_EQ(e2e::WindowText(window), L"Morva_KorbiNet_Setup");
  EXPECT_EQ(e2e::WindowText(::GetDlgItem(window, 1004)), L"Network Adapter");
  ::Sleep(500);
  EXPECT_TRUE(e2e::SaveScreenshot(window, L"startup_bare"));
}

TEST(Startup, SecondStartEndsAtOnceWithoutAWindow) {
  e2e::CScratchPackage package;
  e2e::CAppProcess first;
  ASSERT_TRUE(first.Start(package.Exe()));
  HWND window = first.WaitForWindow(L"_Setup", kStartTimeout);
  ASSERT_TRUE(window);

  e2e::CAppProcess second;
  ASSERT_TRUE(second.Start(package.Exe()));
  DWORD code = 99;
  EXPECT_TRUE(second.WaitForExit(kStartTimeout, &code)) << "second instance still running";
  EXPECT_EQ(e2e::FindProcessWindow(second.Pid(), L""), nullptr);
  // The first one is undisturbed.
  EXPECT_FALSE(first.WaitForExit(0));
  EXPECT_TRUE(::IsWindowVisible(window));
}

TEST(Startup, DllsPlantedBesideTheProgramAreNotLoaded) {
  std::wstring probe = e2e::FromUnixPath(PLANTED_DLL);
  e2e::CScratchPackage package;
  // The libraries the program loads on demand, under their own names. (msimg32 is left out:
  // the system's theme library imports it while the process starts, before any of our code.)
  const wchar_t* planted[] = {L"riched20.dll", L"gdiplus.dll"};
  for (const wchar_t* name : planted)
    ASSERT_TRUE(::CopyFileW(probe.c_str(), (package.Dir() + name).c_str(), FALSE));

  // The probe does announce itself when it is loaded.
  std::wstring control = package.Dir() + L"probe_control.dll";
  ASSERT_TRUE(::CopyFileW(probe.c_str(), control.c_str(), FALSE));
  HMODULE loaded = ::LoadLibraryW(control.c_str());
  ASSERT_TRUE(loaded);
  ::FreeLibrary(loaded);
  ASSERT_TRUE(package.Exists(L"probe_control.dll.loaded"));

  // Wine would take its own built-in copies first; for this program, make it prefer files on
  // disk as Windows does, so only the program's search order stands between the two.
  const wchar_t* kOverrides = L"Software\\Wine\\AppDefaults\\Application.exe\\DllOverrides";
  HKEY overrides = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_WRITE, nullptr, &overrides, nullptr),
            ERROR_SUCCESS);
  for (const wchar_t* name : {L"riched20", L"gdiplus"})
    ::RegSetValueExW(overrides, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"native,builtin"), 30);
  ::RegCloseKey(overrides);
  e2e::CAppProcess app;
  ASSERT_TRUE(app.Start(package.Exe()));
  ASSERT_TRUE(app.WaitForWindow(L"_Setup", kStartTimeout));
  app.Kill();
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kOverrides);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Application.exe");
  for (const wchar_t* name : planted)
    EXPECT_FALSE(package.Exists(std::wstring(name) + L".loaded")) << "loaded the planted " << name;
}

}  // namespace
