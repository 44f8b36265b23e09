#include "app/OperateSystemInfo.h"

#include <windows.h>

#include "app/VersionCode.h"

static_assert(sizeof(bool) == 1, "m_bWow64 is an 8-bit flag");
static_assert(sizeof(OSVERSIONINFOW) == 276, "the basic version record");

COperateSystemInfo::COperateSystemInfo() {
  m_bWow64 = false;
#ifdef _WIN64
  // A 64-bit build (used to test the code where 32-bit programs cannot run) runs on a 64-bit
  // system by construction; IsWow64Process would answer "not WOW64" for it.
  m_bWow64 = true;
#else
  // Looked up by name: systems before XP SP2 do not have it.
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleW(L"kernel32");
  if (kernel != nullptr) {
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64Process != nullptr) {
      BOOL wow64 = FALSE;
      isWow64Process(GetCurrentProcess(), &wow64);
      m_bWow64 = wow64 != FALSE;
    }
  }
#endif
  m_nOsVersion = GetOsVersionCode();
}

COperateSystemInfo::~COperateSystemInfo() = default;

int COperateSystemInfo::GetOsVersionCode() {
  OSVERSIONINFOW info;
  ZeroMemory(&info, sizeof(info));
  info.dwOSVersionInfoSize = sizeof(info);
  // A failed query leaves the record zeroed, which classifies as "other".
  GetVersionExW(&info);
  return ClassifyOsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, m_bWow64);
}
