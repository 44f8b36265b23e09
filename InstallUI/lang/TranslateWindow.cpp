#include "lang/TranslateWindow.h"

#include <cwchar>
#include <string>
#include <vector>

#include "framework/Format.h"
#include "lang/OperateLanguage.h"

CTranslatedWindows g_translatedWindows;

namespace {

// Their texts are the user's data or numbers, never English captions.
const wchar_t* const kUntranslatedClasses[] = {
    L"Edit", L"ListBox", L"SysDateTimePick32", L"SysListView32", L"msctls_progress32",
    L"msctls_updown32", L"SysIPAddress32", L"SysTreeView32",
};

// Descendants' texts and class names are read up to this many characters.
const int kChildTextLimit = static_cast<int>(fw::kTextCapacity) - 2;

bool IsUntranslatedClass(const wchar_t* className) {
  for (const wchar_t* name : kUntranslatedClasses) {
    if (wcscmp(className, name) == 0) return true;
  }
  return false;
}

void TranslateChild(HWND window) {
  if (!g_translatedWindows.Add(window)) return;
  wchar_t className[fw::kTextCapacity] = {0};
  GetClassNameW(window, className, kChildTextLimit + 1);
  if (IsUntranslatedClass(className)) return;
  if (wcscmp(className, L"ComboBox") == 0) TranslateComboBox(window);

  wchar_t text[fw::kTextCapacity] = {0};
  GetWindowTextW(window, text, kChildTextLimit + 1);
  if (text[0] == L'\0' || wcscmp(text, L"...") == 0) return;
  const std::wstring translated = TranslateText(text);
  if (translated.empty()) return;
  // A text longer than what was read, with no translation of its beginning, stays whole:
  // setting the beginning would cut it.
  if (translated == text && GetWindowTextLengthW(window) > kChildTextLimit) return;
  SetWindowTextW(window, translated.c_str());
}

}  // namespace

bool CTranslatedWindows::Add(HWND window) {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_windows.insert(window).second;
}

bool CTranslatedWindows::Contains(HWND window) {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_windows.count(window) != 0;
}

void TranslateWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return;
  if (!g_translatedWindows.Add(window)) return;
  wchar_t title[fw::kTextCapacity] = {0};
  GetWindowTextW(window, title, static_cast<int>(fw::kTextCapacity));
  if (title[0] != L'\0') {
    const std::wstring translated = TranslateText(title);
    if (!translated.empty() && translated != title) SetWindowTextW(window, translated.c_str());
  }
  EnumChildWindows(window, TranslateChildWindow, 0);
}

BOOL CALLBACK TranslateChildWindow(HWND window, LPARAM) {
  // Called from user32: nothing may unwind through it.
  try {
    TranslateChild(window);
  } catch (...) {
  }
  return TRUE;
}

void TranslateComboBox(HWND comboBox) {
  if (comboBox == nullptr || !IsWindow(comboBox)) return;
  const LRESULT selection = SendMessageW(comboBox, CB_GETCURSEL, 0, 0);
  for (LRESULT index = 0; index < SendMessageW(comboBox, CB_GETCOUNT, 0, 0); ++index) {
    const LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) continue;
    // Sized by the item itself: CB_GETLBTEXT takes no buffer size.
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    if (SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())) < 0)
      continue;
    const LRESULT data = SendMessageW(comboBox, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const std::wstring translated = TranslateText(text.data());
    // Insert before deleting, so a failed insert loses no item.
    const LRESULT at = SendMessageW(comboBox, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(translated.c_str()));
    if (at < 0) continue;
    SendMessageW(comboBox, CB_DELETESTRING, static_cast<WPARAM>(index + 1), 0);
    SendMessageW(comboBox, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
  }
  const LRESULT count = SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
  if (selection >= 0 && selection < count) SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}
