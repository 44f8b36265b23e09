// Prints the system's language id and the language the catalogue chooses for it, from a list
// naming the two Chinese languages only. The locale tests run it under different LC_ALL.
#include <windows.h>

#include <cstdio>
#include <string>

#include "lang/OperateLanguage.h"

int main() {
  wchar_t temp[MAX_PATH] = {0};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring dir = std::wstring(temp) + L"installui_probe_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  const std::wstring languages = dir + L"Languages";
  const std::wstring list = languages + L"\\Language.ini";
  CreateDirectoryW(dir.c_str(), nullptr);
  CreateDirectoryW(languages.c_str(), nullptr);
  const char content[] = "[LCID]\r\n2052=ChineseSimplified\r\n1028=ChineseTraditional\r\n";
  HANDLE file = CreateFileW(list.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  WriteFile(file, content, sizeof(content) - 1, &written, nullptr);
  CloseHandle(file);

  COperateLanguage language;
  language.LoadLanguage(dir);
  std::printf("id=%04x name=%ls\n", static_cast<unsigned>(language.m_wLanguageId), language.m_strLanguageName.c_str());

  DeleteFileW(list.c_str());
  RemoveDirectoryW(languages.c_str());
  RemoveDirectoryW(dir.c_str());
  return 0;
}
