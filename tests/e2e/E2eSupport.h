// Helpers for driving the program like a user: a scratch package folder, the program's
// process, its windows, and screenshots of them.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"

namespace e2e {

// "/work/x" (the build tree as the host sees it) as a Windows path on Wine's Z: drive.
std::wstring FromUnixPath(const char* path);

bool CopyTree(const std::wstring& from, const std::wstring& to);
bool DeleteTree(const std::wstring& dir);

// A copy of the built package folder in the temporary directory, removed at the end.
class CScratchPackage {
 public:
  CScratchPackage();
  ~CScratchPackage();
  const std::wstring& Dir() const { return m_dir; }  // ends in a backslash
  std::wstring Exe() const { return m_dir + L"Application.exe"; }
  bool WriteFile(const std::wstring& relative, const std::string& bytes) const;
  bool Exists(const std::wstring& relative) const;

 private:
  std::wstring m_dir;
};

// One run of the program.
class CAppProcess {
 public:
  CAppProcess() = default;
  ~CAppProcess();
  bool Start(const std::wstring& exe, const std::wstring& arguments = L"");
  // The first visible top-level window of the process whose title ends with `suffix`.
  HWND WaitForWindow(const wchar_t* suffix, DWORD milliseconds) const;
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const;
  void Kill();
  DWORD Pid() const { return m_pid; }

 private:
  fw::CHandle m_process;
  DWORD m_pid = 0;
};

HWND FindProcessWindow(DWORD pid, const wchar_t* suffix);
std::wstring WindowText(HWND hWnd);

// Saves what the window shows on the screen to <build>/screenshots/<name>.png.
bool SaveScreenshot(HWND hWnd, const std::wstring& name);

}  // namespace e2e
