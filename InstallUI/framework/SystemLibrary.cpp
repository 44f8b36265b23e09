#include "framework/SystemLibrary.h"

#include <string>

namespace fw {

void HardenDllSearchPath() {
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(
                                 reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))
                           : nullptr;
  // Missing on Windows 7 without its loader update; the full-path loads below cover that case.
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  if (path.back() != L'\\') path += L'\\';
  path += name;
  HMODULE module = ::GetModuleHandleW(path.c_str());
  if (module) return module;
  // A full path loads that file only; LOAD_WITH_ALTERED_SEARCH_PATH makes its own imports
  // resolve from its folder (the system folder), not from ours.
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

FARPROC LoadedModuleFunction(const void* address, const char* name, WORD ordinal) {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
    return nullptr;
  FARPROC function = ::GetProcAddress(module, name);
  if (!function && ordinal) function = ::GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  return function;
}

}  // namespace fw
