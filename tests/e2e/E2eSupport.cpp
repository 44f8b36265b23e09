#include "E2eSupport.h"

#include <shellapi.h>

#include <fstream>
#include <vector>

#include "controls/ImagePng.h"

namespace e2e {

std::wstring FromUnixPath(const char* path) {
  std::wstring result = L"Z:";
  for (const char* p = path; *p; ++p) result += (*p == '/') ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return result;
}

bool CopyTree(const std::wstring& from, const std::wstring& to) {
  ::CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((from + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    std::wstring source = from + L"\\" + name, target = to + L"\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyTree(source, target) && ok;
    else
      ok = ::CopyFileW(source.c_str(), target.c_str(), FALSE) && ok;
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return ok;
}

bool DeleteTree(const std::wstring& dir) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = dir + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(path);
      else
        ::DeleteFileW(path.c_str());
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  return ::RemoveDirectoryW(dir.c_str()) != FALSE;
}

CScratchPackage::CScratchPackage() {
  static int s_count = 0;
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  m_dir = std::wstring(temp) + L"installui_e2e_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
          std::to_wstring(++s_count) + L"\\";
  CopyTree(FromUnixPath(PACKAGE_DIR), m_dir.substr(0, m_dir.size() - 1));
}

CScratchPackage::~CScratchPackage() { DeleteTree(m_dir.substr(0, m_dir.size() - 1)); }

bool CScratchPackage::WriteFile(const std::wstring& relative, const std::string& bytes) const {
  std::ofstream out((m_dir + relative).c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

bool CScratchPackage::Exists(const std::wstring& relative) const {
  return ::GetFileAttributesW((m_dir + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

CAppProcess::~CAppProcess() { Kill(); }

bool CAppProcess::Start(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back(L'\0');
  std::wstring dir = exe.substr(0, exe.find_last_of(L'\\'));
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
    return false;
  ::CloseHandle(pi.hThread);
  m_process.Reset(pi.hProcess);
  m_pid = pi.dwProcessId;
  return true;
}

namespace {
struct WindowSearch {
  DWORD pid;
  const wchar_t* suffix;
  HWND found;
};
BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hWnd, &pid);
  if (pid != search->pid || !::IsWindowVisible(hWnd)) return TRUE;
  std::wstring title = WindowText(hWnd);
  std::wstring suffix = search->suffix;
  if (title.size() >= suffix.size() && title.compare(title.size() - suffix.size(), suffix.size(), suffix) == 0) {
    search->found = hWnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD pid, const wchar_t* suffix) {
  WindowSearch search{pid, suffix, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND CAppProcess::WaitForWindow(const wchar_t* suffix, DWORD milliseconds) const {
  DWORD start = ::GetTickCount();
  do {
    if (HWND hWnd = FindProcessWindow(m_pid, suffix)) return hWnd;
    if (::WaitForSingleObject(m_process.Get(), 50) == WAIT_OBJECT_0) return nullptr;
  } while (::GetTickCount() - start < milliseconds);
  return nullptr;
}

bool CAppProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) const {
  if (!m_process || ::WaitForSingleObject(m_process.Get(), milliseconds) != WAIT_OBJECT_0) return false;
  if (exitCode) ::GetExitCodeProcess(m_process.Get(), exitCode);
  return true;
}

void CAppProcess::Kill() {
  if (!m_process) return;
  if (::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(m_process.Get(), 1);
    ::WaitForSingleObject(m_process.Get(), 5000);
  }
  m_process.Reset();
}

std::wstring WindowText(HWND hWnd) {
  wchar_t text[1024] = {};
  ::GetWindowTextW(hWnd, text, 1024);
  return text;
}

bool SaveScreenshot(HWND hWnd, const std::wstring& name) {
  RECT rect;
  if (!::GetWindowRect(hWnd, &rect)) return false;
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  fw::CWindowDC screen(nullptr);
  fw::CMemoryCanvas canvas;
  if (!canvas.Create(screen.Get(), width, height)) return false;
  ::BitBlt(canvas.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
  std::wstring dir = FromUnixPath(SCREENSHOT_DIR);
  ::CreateDirectoryW(dir.c_str(), nullptr);
  // GDI+ reads the bitmap, which must not be selected into a DC meanwhile: copy it out.
  fw::CBitmap copy(static_cast<HBITMAP>(::CopyImage(canvas.Bitmap(), IMAGE_BITMAP, 0, 0, 0)));
  return copy && SaveBitmapAsPng(copy.Get(), dir + L"\\" + name + L".png");
}

}  // namespace e2e
