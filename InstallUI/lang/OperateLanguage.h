// The language catalogue: the language chosen from the system's default locale, and the
// lookups of English texts in its catalogue file.
#pragma once

#include <windows.h>

#include <string>

// Full path of the current catalogue file; empty until SetLanguage runs. Written during
// start-up only, read afterwards from any thread.
extern std::wstring g_strLanguageFile;

class COperateLanguage {
 public:
  COperateLanguage();

  // Chooses the language of the system's default locale below `baseDir` (ends in a
  // backslash) and makes its catalogue the current one.
  void LoadLanguage(const std::wstring& baseDir);
  // The name listed in Languages\Language.ini for the system's language id, or "English".
  // Refreshes m_wLanguageId.
  std::wstring GetLanguageName();
  // Makes "<base>Languages\<name>.lng" the current catalogue; an empty name means English.
  void SetLanguage(const std::wstring& name);
  // Translates every item of `menu` and of its submenus; a null menu is skipped.
  void TranslateMenu(HMENU menu);

  std::wstring m_strListFile;
  std::wstring m_strBaseDir;
  std::wstring m_strLanguageName;
  WORD m_wLanguageId;
};

// The catalogue's translation of `source` (looked up with ASCII capitals made small), or the
// source itself; escapes expanded either way. Null gives an empty text.
std::wstring TranslateText(const wchar_t* source);

// Formats the arguments into the translation of `format`. A translation whose conversions
// differ from the English pattern's is not used; wide %s / %c as the program writes them.
// At most 1023 characters.
std::wstring FormatText(const wchar_t* format, ...);
