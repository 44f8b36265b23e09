#include "app/ApplicationApp.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "driver/ApplicationDlg.h"
#include "framework/Format.h"
#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

CApplicationApp::CApplicationApp() {
  m_nRunMode = RUN_MODE_INSTALL;
  m_hEngineEvent = nullptr;
}

// The single-instance mutex is left to the system, which releases it when the process ends;
// the abort lock belongs to the main window.
CApplicationApp::~CApplicationApp() = default;

BOOL CApplicationApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);

  HANDLE mutex = ::CreateMutexW(nullptr, FALSE, APPLICATION_INSTANCE_NAME);
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    // Another copy runs: leave silently, without disturbing it.
    if (mutex) ::CloseHandle(mutex);
    return FALSE;
  }
  // Any other outcome goes on; the handle stays open until the process ends.

  InitDirectories();
  // The licence dialog shows its text in a RichEdit20W control.
  fw::LoadSystemLibrary(L"riched20.dll");
  m_language.LoadLanguage(m_strExeDir);
  LoadSettings();
  InitSkinPaths();

  m_strRecordedInstallDir.clear();
  bool installed = IsInstalled() != FALSE;

  std::vector<std::wstring> args;
  int argc = 0;
  if (LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc)) {
    for (int i = 0; i < argc; ++i) args.emplace_back(argv[i]);
    ::LocalFree(argv);
  }
  m_nRunMode = DecideRunMode(installed, args);

  RunMainWindow();
  return FALSE;
}

void CApplicationApp::RunMainWindow() {
  CApplicationDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
}

void CApplicationApp::InitDirectories() {
  wchar_t path[fw::kPathCapacity] = {};
  DWORD length = ::GetModuleFileNameW(nullptr, path, fw::kPathCapacity);
  m_strExeDir.assign(path, length < fw::kPathCapacity ? length : 0);
  size_t slash = m_strExeDir.find_last_of(L'\\');
  if (slash != std::wstring::npos) m_strExeDir.resize(slash + 1);

  wchar_t programFiles[fw::kPathCapacity] = {};
  if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles)))
    m_strInstallDir = programFiles;
  else
    m_strInstallDir.clear();

  wchar_t temp[fw::kPathCapacity] = {};
  DWORD tempLength = ::GetTempPathW(fw::kPathCapacity, temp);
  m_strTempDir.assign(temp, tempLength < fw::kPathCapacity ? tempLength : 0);
}

BOOL CApplicationApp::IsInstalled() {
  std::wstring keyPath =
      fw::FormatBounded(fw::kPathCapacity, L"SOFTWARE\\%ls\\%ls", m_strRegCompany.c_str(), m_strRegProduct.c_str());
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS) return FALSE;
  fw::CRegKey key(raw);

  // Room for the 259 characters and terminator the record's writer allows.
  wchar_t data[fw::kPathCapacity] = {};
  DWORD bytes = sizeof(data);
  if (::RegQueryValueExW(key.Get(), m_strRegInstallDirValue.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(data), &bytes) != ERROR_SUCCESS)
    return FALSE;
  // The value need not carry its terminator; stop at the data's end in any case.
  size_t chars = bytes / sizeof(wchar_t);
  if (chars > fw::kPathCapacity - 1) chars = fw::kPathCapacity - 1;
  std::wstring text(data, chars);
  size_t nul = text.find(L'\0');
  if (nul != std::wstring::npos) text.resize(nul);
  m_strRecordedInstallDir = text;
  return TRUE;
}
