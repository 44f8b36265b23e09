// The language catalogue and the translation of real windows and menus, with catalogues
// written into a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/OperateLanguage.h"
#include "lang/TranslateWindow.h"

namespace {

std::wstring MakeTempDir(const wchar_t* name) {
  wchar_t temp[MAX_PATH] = {0};
  GetTempPathW(MAX_PATH, temp);
  std::wstring dir = std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(dir.c_str(), nullptr);
  CreateDirectoryW((dir + L"Languages").c_str(), nullptr);
  return dir;
}

void RemoveTempDir(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"Languages\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((dir + L"Languages\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW((dir + L"Languages").c_str());
  RemoveDirectoryW(dir.c_str());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void WriteUtf16(const std::wstring& path, const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  WriteBytes(path, bytes);
}

// Keys as a translator writes them: some with capitals, matched regardless of case.
const wchar_t kGermanCatalogue[] =
    L"[ProgramOutStr]\r\n"
    L"Install Now=Jetzt installieren\r\n"
    L"two lines=Zwei\\nZeilen\r\n"
    L"crlf=eins\\r\\nzwei\r\n"
    L"empty marker=[~NullInfoPelko~]\r\n"
    L"empty value=\r\n"
    L"chinese=\u4E2D\u6587\r\n"
    L"title=Titel\r\n"
    L"cancel=Abbrechen\r\n"
    L"...=Mehr\r\n"
    L"edit word=Bearbeitet\r\n"
    L"first=Erste\r\n"
    L"second=Zweite\r\n"
    L"third=Dritte\r\n"
    L"child text=Kindtext\r\n"
    L"child title=Kindtitel\r\n"
    L"setup menu=Einrichtung\r\n"
    L"exit=Beenden\r\n"
    L"copying %s=Kopiere %s\r\n"
    L"drive %c: %d mb=Laufwerk %c: %d MB\r\n"
    L"file %s of %d=Datei %d von %s\r\n"
    L"evil %s=%n%s\r\n"
    L"star %d=%*d\r\n"
    L"gone %s=[~NullInfoPelko~]\r\n"
    L"narrow %hs=Schmal %hs\r\n";

const char kAnsiCatalogue[] =
    "[ProgramOutStr]\r\n"
    "install now=Installer maintenant\r\n"
    "two lines=Deux\\nlignes\r\n"
    "copying %s=Copie de %s\r\n";

class LanguageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = MakeTempDir(L"installui_lang_");
    WriteUtf16(s_dir + L"Languages\\German.lng", kGermanCatalogue);
    WriteBytes(s_dir + L"Languages\\Plain.lng", kAnsiCatalogue);
  }
  static void TearDownTestSuite() { RemoveTempDir(s_dir); }

  void SetUp() override {
    m_saved = g_strLanguageFile;
    m_language.m_strBaseDir = s_dir;
    m_language.SetLanguage(L"German");
  }
  void TearDown() override { g_strLanguageFile = m_saved; }

  static std::wstring s_dir;
  std::wstring m_saved;
  COperateLanguage m_language;
};

std::wstring LanguageTest::s_dir;

TEST_F(LanguageTest, TranslateTextFromBothEncodings) {
  struct Case { const wchar_t* language; const wchar_t* source; const wchar_t* want; };
  const Case cases[] = {
      {L"German", L"Install Now", L"Jetzt installieren"},
      {L"German", L"INSTALL NOW", L"Jetzt installieren"},
      {L"German", L"Two Lines", L"Zwei\nZeilen"},
      {L"German", L"crlf", L"eins\r\nzwei"},
      {L"German", L"Empty Marker", L""},
      {L"German", L"Empty Value", L"Empty Value"},
      {L"German", L"Chinese", L"\u4E2D\u6587"},
      {L"German", L"Not listed\\nat all", L"Not listed\nat all"},
      {L"German", L"", L""},
      {L"Plain", L"Install Now", L"Installer maintenant"},
      {L"Plain", L"two lines", L"Deux\nlignes"},
      {L"Plain", L"Cancel", L"Cancel"},
      {L"Missing", L"Install Now", L"Install Now"},
  };
  for (const Case& c : cases) {
    m_language.SetLanguage(c.language);
    EXPECT_EQ(TranslateText(c.source), c.want) << testing::PrintToString(std::wstring(c.source));
  }
  EXPECT_EQ(TranslateText(nullptr), L"");
}

TEST_F(LanguageTest, NoCatalogueBeforeLoading) {
  g_strLanguageFile.clear();
  EXPECT_EQ(TranslateText(L"Install Now"), L"Install Now");
  EXPECT_EQ(TranslateText(L"a\\nb"), L"a\nb");
  EXPECT_EQ(FormatText(L"Copying %s", L"x.sys"), L"Copying x.sys");
}

TEST_F(LanguageTest, FormatTextUsesOnlyMatchingTranslations) {
  EXPECT_EQ(FormatText(L"Copying %s", L"a.sys"), L"Kopiere a.sys");
  EXPECT_EQ(FormatText(L"Drive %c: %d MB", L'D', 512), L"Laufwerk D: 512 MB");
  EXPECT_EQ(FormatText(L"Narrow %hs", "abc"), L"Schmal abc");
  // Wrong order, %n, '*': the English pattern is used.
  EXPECT_EQ(FormatText(L"File %s of %d", L"x.sys", 3), L"File x.sys of 3");
  EXPECT_EQ(FormatText(L"Evil %s", L"x"), L"Evil x");
  EXPECT_EQ(FormatText(L"Star %d", 7), L"Star 7");
  EXPECT_EQ(FormatText(L"Gone %s", L"x"), L"");
  EXPECT_EQ(FormatText(L"Untranslated %s\\n", L"\u5B8B\u4F53"), L"Untranslated \u5B8B\u4F53\n");
  EXPECT_EQ(FormatText(nullptr), L"");
}

TEST_F(LanguageTest, LanguageChosenFromSystemLocale) {
  const WORD id = LANGIDFROMLCID(GetSystemDefaultLCID());
  const std::wstring key = std::to_wstring(id);
  struct Case { const wchar_t* name; std::wstring list; const wchar_t* want; };
  const Case cases[] = {
      {L"listed", L"[LCID]\r\n" + key + L"=Current\r\n", L"Current"},
      {L"unlisted", L"[LCID]\r\n" + std::to_wstring(id + 1) + L"=Other\r\n", L"English"},
      {L"empty", L"[LCID]\r\n" + key + L"=\r\n", L"English"},
      {L"nofile", L"", L"English"},
  };
  for (const Case& c : cases) {
    const std::wstring dir = MakeTempDir((std::wstring(L"installui_list_") + c.name + L"_").c_str());
    if (!c.list.empty()) WriteUtf16(dir + L"Languages\\Language.ini", c.list);
    COperateLanguage language;
    language.LoadLanguage(dir);
    EXPECT_EQ(language.m_wLanguageId, id) << c.name;
    EXPECT_EQ(language.m_strLanguageName, c.want) << c.name;
    EXPECT_EQ(g_strLanguageFile, dir + L"Languages\\" + c.want + L".lng") << c.name;
    EXPECT_EQ(language.GetLanguageName(), c.want) << c.name;
    RemoveTempDir(dir);
  }
  COperateLanguage fresh;
  EXPECT_EQ(fresh.m_strListFile, L"Language.ini");
  EXPECT_EQ(fresh.m_strBaseDir, L".\\");
  EXPECT_EQ(fresh.m_strLanguageName, L"English");
  EXPECT_EQ(fresh.m_wLanguageId, 1033);
  fresh.SetLanguage(L"");
  EXPECT_EQ(fresh.m_strLanguageName, L"English");
}

// An in-memory dialog template: no resource of the program is needed.
class CTemplate {
 public:
  CTemplate(DWORD style, const wchar_t* title, WORD items) {
    Dword(style);
    Dword(0);
    Word(items);
    Word(0); Word(0); Word(200); Word(120);
    Word(0);  // no menu
    Word(0);  // default class
    Text(title);
  }
  void Item(DWORD style, WORD id, WORD atom, const wchar_t* text, short x = 0, short y = 0) {
    while (m_words.size() % 2) Word(0);  // DWORD aligned
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(x); Word(y); Word(80); Word(12);
    Word(id);
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

 private:
  void Word(WORD w) { m_words.push_back(w); }
  void Dword(DWORD d) { Word(LOWORD(d)); Word(HIWORD(d)); }
  void Text(const wchar_t* text) {
    for (; *text; ++text) Word(static_cast<WORD>(*text));
    Word(0);
  }
  std::vector<WORD> m_words;
};

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kCombo = 0x0085;
enum { ID_LABEL = 100, ID_CANCEL, ID_MORE, ID_EDIT, ID_COMBO, ID_COMBO_EMPTY, ID_MARKER, ID_LONG, ID_CHILD_LABEL };

std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {0};
  GetWindowTextW(window, text, 2048);
  return text;
}

std::wstring ItemOf(HWND combo, int index) {
  wchar_t text[256] = {0};
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(LanguageTest, TranslateDialogOnce) {
  CTemplate outer(WS_POPUP | WS_CAPTION | DS_MODALFRAME, L"Title", 8);
  outer.Item(SS_LEFT, ID_LABEL, kStatic, L"Install Now");
  outer.Item(BS_PUSHBUTTON, ID_CANCEL, kButton, L"Cancel");
  outer.Item(BS_PUSHBUTTON, ID_MORE, kButton, L"...");
  outer.Item(ES_LEFT, ID_EDIT, kEdit, L"Edit Word");
  outer.Item(CBS_DROPDOWNLIST | WS_VSCROLL, ID_COMBO, kCombo, L"");
  outer.Item(CBS_DROPDOWNLIST | WS_VSCROLL, ID_COMBO_EMPTY, kCombo, L"");
  outer.Item(SS_LEFT, ID_MARKER, kStatic, L"Empty Marker");
  outer.Item(SS_LEFT, ID_LONG, kStatic, L"");
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), outer.Get(), nullptr, NoDialogProc, 0);
  ASSERT_NE(dialog, nullptr);

  CTemplate inner(WS_CHILD | WS_VISIBLE | DS_CONTROL, L"Child Title", 1);
  inner.Item(SS_LEFT, ID_CHILD_LABEL, kStatic, L"Child Text");
  HWND child = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), inner.Get(), dialog, NoDialogProc, 0);
  ASSERT_NE(child, nullptr);
  HWND childLabel = GetDlgItem(child, ID_CHILD_LABEL);

  HWND combo = GetDlgItem(dialog, ID_COMBO);
  for (const wchar_t* item : {L"First", L"Second", L"Third"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(combo, CB_SETITEMDATA, 2, 77);
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  HWND comboEmpty = GetDlgItem(dialog, ID_COMBO_EMPTY);
  SendMessageW(comboEmpty, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"First"));
  const std::wstring longText(1500, L'x');
  SetDlgItemTextW(dialog, ID_LONG, longText.c_str());

  TranslateWindow(dialog);

  EXPECT_EQ(TextOf(dialog), L"Titel");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_LABEL)), L"Jetzt installieren");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_CANCEL)), L"Abbrechen");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_MORE)), L"...");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_EDIT)), L"Edit Word");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_MARKER)), L"Empty Marker");
  EXPECT_TRUE(TextOf(GetDlgItem(dialog, ID_LONG)) == longText);  // not cut to what was read
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(ItemOf(combo, 0), L"Erste");
  EXPECT_EQ(ItemOf(combo, 1), L"Zweite");
  EXPECT_EQ(ItemOf(combo, 2), L"Dritte");
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 2, 0), 77);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(ItemOf(comboEmpty, 0), L"Erste");
  EXPECT_EQ(SendMessageW(comboEmpty, CB_GETCURSEL, 0, 0), CB_ERR);
  // The nested dialog was translated with its parent: its title too, as a descendant.
  EXPECT_EQ(TextOf(childLabel), L"Kindtext");
  EXPECT_EQ(TextOf(child), L"Kindtitel");
  EXPECT_TRUE(g_translatedWindows.Contains(dialog));
  EXPECT_TRUE(g_translatedWindows.Contains(child));

  // A second pass, on the dialog or on the nested one, changes nothing.
  SetWindowTextW(dialog, L"Title");
  SetDlgItemTextW(dialog, ID_LABEL, L"Install Now");
  SetWindowTextW(childLabel, L"Child Text");
  TranslateWindow(dialog);
  TranslateWindow(child);
  EXPECT_EQ(TextOf(dialog), L"Title");
  EXPECT_EQ(TextOf(GetDlgItem(dialog, ID_LABEL)), L"Install Now");
  EXPECT_EQ(TextOf(childLabel), L"Child Text");

  DestroyWindow(dialog);
  TranslateWindow(dialog);  // no longer a window: skipped
  TranslateWindow(nullptr);
  TranslateComboBox(nullptr);
}

TEST_F(LanguageTest, TranslateMenuKeepsSubmenusAndStates) {
  HMENU bar = CreateMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenuW(sub, MF_STRING, 100, L"Exit");
  AppendMenuW(sub, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(sub, MF_STRING | MF_GRAYED | MF_CHECKED, 101, L"Cancel");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Setup Menu");
  AppendMenuW(bar, MF_STRING, 102, L"Not listed");
  AppendMenuW(bar, MF_STRING, 103, L"Empty Marker");

  m_language.TranslateMenu(bar);

  auto textAt = [](HMENU menu, int position) {
    wchar_t text[256] = {0};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return std::wstring(text);
  };
  EXPECT_EQ(textAt(bar, 0), L"Einrichtung");
  EXPECT_EQ(GetSubMenu(bar, 0), sub);
  EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(-1));
  EXPECT_EQ(textAt(bar, 1), L"Not listed");
  EXPECT_EQ(textAt(bar, 2), L"Empty Marker");
  EXPECT_EQ(textAt(sub, 0), L"Beenden");
  EXPECT_EQ(GetMenuItemID(sub, 0), 100u);
  EXPECT_EQ(GetMenuItemCount(sub), 3);
  EXPECT_EQ(textAt(sub, 2), L"Abbrechen");
  EXPECT_EQ(GetMenuItemID(sub, 2), 101u);
  const UINT state = GetMenuState(sub, 2, MF_BYPOSITION);
  EXPECT_TRUE(state & MF_GRAYED);
  EXPECT_TRUE(state & MF_CHECKED);

  m_language.TranslateMenu(nullptr);
  DestroyMenu(bar);
}

}  // namespace
