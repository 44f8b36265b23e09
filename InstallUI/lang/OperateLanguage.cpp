#include "lang/OperateLanguage.h"

#include <cstdarg>

#include "framework/Format.h"
#include "lang/CatalogueText.h"
#include "lang/FormatPattern.h"

std::wstring g_strLanguageFile;

namespace {

const wchar_t kDefaultLanguage[] = L"English";
// Submenus nest a few levels at most; the cap only guards against a menu that holds itself.
const int kMaxMenuDepth = 32;

void TranslateMenuLevel(HMENU menu, int depth) {
  if (menu == nullptr || depth > kMaxMenuDepth) return;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const UINT id = GetMenuItemID(menu, position);
    if (id == 0) continue;  // separator
    wchar_t text[fw::kTextCapacity] = {0};
    GetMenuStringW(menu, position, text, static_cast<int>(fw::kTextCapacity), MF_BYPOSITION);
    std::wstring translated = TranslateText(text);
    if (!translated.empty() && translated != text) {
      // Only the text changes: the command id, the submenu and the item's state stay.
      MENUITEMINFOW item = {};
      item.cbSize = sizeof(item);
      item.fMask = MIIM_STRING;
      item.dwTypeData = &translated[0];
      SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
    }
    if (id == static_cast<UINT>(-1)) TranslateMenuLevel(GetSubMenu(menu, position), depth + 1);
  }
}

}  // namespace

COperateLanguage::COperateLanguage()
    : m_strListFile(L"Language.ini"), m_strBaseDir(L".\\"), m_strLanguageName(kDefaultLanguage), m_wLanguageId(1033) {}

void COperateLanguage::LoadLanguage(const std::wstring& baseDir) {
  m_strListFile = L"Language.ini";
  m_strBaseDir = baseDir;
  SetLanguage(GetLanguageName());
}

std::wstring COperateLanguage::GetLanguageName() {
  m_wLanguageId = LANGIDFROMLCID(GetSystemDefaultLCID());
  const std::wstring key = fw::Format(L"%u", static_cast<unsigned>(m_wLanguageId));
  const std::wstring listPath = m_strBaseDir + L"Languages\\" + m_strListFile;
  wchar_t name[fw::kTextCapacity] = {0};
  GetPrivateProfileStringW(L"LCID", key.c_str(), L"", name, fw::kTextCapacity - 1, listPath.c_str());
  return name[0] != L'\0' ? std::wstring(name) : std::wstring(kDefaultLanguage);
}

void COperateLanguage::SetLanguage(const std::wstring& name) {
  m_strLanguageName = name.empty() ? std::wstring(kDefaultLanguage) : name;
  g_strLanguageFile = m_strBaseDir + L"Languages\\" + m_strLanguageName + L".lng";
}

void COperateLanguage::TranslateMenu(HMENU menu) { TranslateMenuLevel(menu, 0); }

std::wstring TranslateText(const wchar_t* source) {
  if (source == nullptr) return std::wstring();
  std::wstring value;
  // No catalogue yet, or nothing to look up: an empty name would make the reader look in
  // the Windows folder, and an empty key matches nothing useful.
  if (!g_strLanguageFile.empty() && source[0] != L'\0') {
    wchar_t buffer[fw::kTextCapacity] = {0};
    GetPrivateProfileStringW(L"ProgramOutStr", LowerAsciiKey(source).c_str(), L"", buffer,
                             fw::kTextCapacity - 1, g_strLanguageFile.c_str());
    value = buffer;
  }
  if (value.empty()) value = source;
  return ExpandCatalogueText(value);
}

std::wstring FormatText(const wchar_t* format, ...) {
  if (format == nullptr) return std::wstring();
  const std::wstring english = ExpandCatalogueText(format);
  const std::wstring translated = TranslateText(format);
  va_list args;
  va_start(args, format);
  std::wstring result = FormatCataloguePattern(english, translated, args);
  va_end(args);
  return result;
}
