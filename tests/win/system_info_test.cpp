// System classification and text splitting as the application object holds them.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/OperateCharacter.h"
#include "app/OperateSystemInfo.h"

namespace {

TEST(OperateSystemInfo, ClassifiesTheRunningSystem) {
  COperateSystemInfo info;
  // Only a 32-bit process on a 64-bit system has a WOW64 system folder.
  wchar_t folder[MAX_PATH] = {0};
  const bool wow64 = GetSystemWow64DirectoryW(folder, MAX_PATH) != 0;
  EXPECT_EQ(info.m_bWow64, wow64);

  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  ASSERT_TRUE(GetVersionExW(&version));
  if (version.dwMajorVersion == 6 && version.dwMinorVersion == 1) {
    EXPECT_EQ(info.m_nOsVersion, wow64 ? 8 : 7);
  }
  EXPECT_GE(info.m_nOsVersion, 2);
  EXPECT_EQ(info.GetOsVersionCode(), info.m_nOsVersion);
}

TEST(OperateCharacter, SplitTextReplacesTheList) {
  COperateCharacter ops;
  std::vector<std::wstring> list = {L"stale"};
  ops.SplitText(L"51, 51,51", L",", false, L"", list);
  EXPECT_EQ(list, (std::vector<std::wstring>{L"51", L" 51", L"51"}));
  ops.SplitText(L"a;;b", L";x", true, L"", list);  // only the first character separates
  EXPECT_EQ(list, (std::vector<std::wstring>{L"a", L"b"}));
  ops.SplitText(L"a,b", L"", false, L"", list);
  EXPECT_EQ(list, (std::vector<std::wstring>{L"a,b"}));
}

}  // namespace
