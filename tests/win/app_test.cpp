// Start-up pieces of the application object against real files and the real registry:
// Setting.ini through the system's reader, the installation record, the skin paths.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/ApplicationApp.h"

namespace {

// A scratch "executable folder" with a Setting folder, removed afterwards.
class AppFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    m_dir = std::wstring(temp) + L"installui_app_" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(m_dir.c_str(), nullptr);
    ::CreateDirectoryW((m_dir + L"Setting").c_str(), nullptr);
    m_saved = Snapshot();
    theApp.m_strExeDir = m_dir;
    theApp.m_strInstallDir = L"C:\\Program Files";
    theApp.m_language.m_wLanguageId = 1033;
  }
  void TearDown() override {
    ::DeleteFileW(SettingsPath().c_str());
    ::RemoveDirectoryW((m_dir + L"Setting").c_str());
    ::RemoveDirectoryW(m_dir.c_str());
    Restore(m_saved);
  }
  std::wstring SettingsPath() const { return m_dir + L"Setting\\Setting.ini"; }

  void WriteAnsi(const std::string& text) const {
    std::ofstream out(SettingsPath().c_str(), std::ios::binary);
    out << text;
  }
  void WriteUtf16(const std::wstring& text) const {
    std::ofstream out(SettingsPath().c_str(), std::ios::binary);
    out.put('\xFF');
    out.put('\xFE');
    for (wchar_t c : text) {
      out.put(static_cast<char>(c & 0xFF));
      out.put(static_cast<char>(c >> 8));
    }
  }

  struct State {
    std::wstring exeDir, installDir, company, product;
    COLORREF white, black, gray, orange, warrant;
  };
  static State Snapshot() {
    return {theApp.m_strExeDir, theApp.m_strInstallDir, theApp.m_strRegCompany, theApp.m_strRegProduct,
            theApp.m_clrWhite, theApp.m_clrBlack, theApp.m_clrGray, theApp.m_clrOrange, theApp.m_clrWarrantEditBack};
  }
  static void Restore(const State& s) {
    theApp.m_strExeDir = s.exeDir;
    theApp.m_strInstallDir = s.installDir;
    theApp.m_strRegCompany = s.company;
    theApp.m_strRegProduct = s.product;
    theApp.m_clrWhite = s.white;
    theApp.m_clrBlack = s.black;
    theApp.m_clrGray = s.gray;
    theApp.m_clrOrange = s.orange;
    theApp.m_clrWarrantEditBack = s.warrant;
  }
  // Colours start at zero in a fresh process; the cases rely on that as the program does.
  static void ZeroColours() {
    theApp.m_clrWhite = theApp.m_clrBlack = theApp.m_clrGray = theApp.m_clrOrange = theApp.m_clrWarrantEditBack = 0;
  }

  std::wstring m_dir;
  State m_saved;
};

TEST_F(AppFolder, MissingFileGivesEveryDefault) {
  ZeroColours();
  theApp.LoadSettings();
  EXPECT_EQ(theApp.m_strFontName, L"Microsoft YaHei");
  EXPECT_EQ(theApp.m_nButtonFontHeight, 19);
  EXPECT_EQ(theApp.m_nStaticFontHeight, 18);
  EXPECT_EQ(theApp.m_nWelcomeFontHeight, 20);
  EXPECT_EQ(theApp.m_nButtonFontWeight, 0);
  EXPECT_EQ(theApp.m_nStaticFontWeight, 0);
  EXPECT_EQ(theApp.m_clrWhite, RGB(255, 255, 255));
  EXPECT_EQ(theApp.m_clrBlack, RGB(51, 51, 51));
  EXPECT_EQ(theApp.m_clrGray, RGB(102, 102, 102));
  EXPECT_EQ(theApp.m_clrOrange, RGB(253, 79, 0));
  EXPECT_EQ(theApp.m_clrWarrantEditBack, RGB(242, 242, 242));
  EXPECT_EQ(theApp.m_nFilletRadian, 10);
  EXPECT_EQ(theApp.m_strRegCompany, L"Morva");
  EXPECT_EQ(theApp.m_strRegProduct, L"KorbiNet");
  EXPECT_EQ(theApp.m_strRegInstallDirValue, L"InstallDir");
  EXPECT_EQ(theApp.m_strRegGuid, L"4F1B7D20-8A3E-4C65-B9D7-2E5A60C1F384");
  EXPECT_EQ(theApp.m_strProgramName, L"KorbiNet");
  EXPECT_EQ(theApp.m_strInstallDir, L"C:\\Program Files\\Morva\\KorbiNet");
  EXPECT_EQ(theApp.m_strSetupTitle, L"Morva_KorbiNet_Setup");
  EXPECT_EQ(theApp.m_strLicenseFile, m_dir + L"Languages\\License_" + theApp.m_language.GetLanguageName() + L".txt");
}

TEST_F(AppFolder, ChineseSystemTakesTheChineseFontKeys) {
  struct Case {
    WORD languageId;
    const wchar_t* face;
    int button, label;
  };
  const Case cases[] = {{0x0804, L"\x5B8B\x4F53", 14, 12}, {0x0404, L"Microsoft YaHei", 19, 18}};
  for (const Case& c : cases) {
    theApp.m_language.m_wLanguageId = c.languageId;
    theApp.LoadSettings();
    EXPECT_EQ(theApp.m_strFontName, c.face) << c.languageId;
    EXPECT_EQ(theApp.m_nButtonFontHeight, c.button) << c.languageId;
    EXPECT_EQ(theApp.m_nStaticFontHeight, c.label) << c.languageId;
    EXPECT_EQ(theApp.m_nWelcomeFontHeight, 20) << c.languageId;
  }
}

TEST_F(AppFolder, ValuesParseAsTheReaderGivesThem) {
  ZeroColours();
  std::string longName(80, 'x');
  WriteAnsi(
      "[Font]\r\n"
      "btn_font_height_other=  24  \r\n"
      "static_font_height_other=12px\r\n"
      "btn_font_weight_other=bold\r\n"
      "static_font_weight_other=-700\r\n"
      "font_name_other=" + longName + "\r\n"
      "[Color]\r\n"
      "static_font_white_color=\r\n"
      "static_font_black_color=51, 52, 53\r\n"
      "static_font_gray_color=300,256,-1\r\n"
      "static_font_orange_color=253,79\r\n"
      "warrant_edit_back_color=\"1,2,3\"\r\n"
      "[setting]\r\n"
      "FILLET_RADIAN=round\r\n"
      "register_company=Alpha\r\n"
      "register_product=Beta\r\n"
      "register_guid=\r\n");
  theApp.LoadSettings();
  EXPECT_EQ(theApp.m_nButtonFontHeight, 24);   // blanks around the number removed
  EXPECT_EQ(theApp.m_nStaticFontHeight, 12);   // digits up to the first other character
  EXPECT_EQ(theApp.m_nButtonFontWeight, 0);    // letters only
  EXPECT_EQ(theApp.m_nStaticFontWeight, -700); // passed through unchecked
  EXPECT_EQ(theApp.m_strFontName, std::wstring(63, L'x'));  // cut at 63 characters
  EXPECT_EQ(theApp.m_clrWhite, 0u);                           // present but empty: black
  EXPECT_EQ(theApp.m_clrBlack, RGB(51, 52, 53));              // blanks after the commas
  EXPECT_EQ(theApp.m_clrGray, RGB(44, 0, 255));               // components wrap to 8 bits
  EXPECT_EQ(theApp.m_clrOrange, 0u);                          // two parts: stays black
  EXPECT_EQ(theApp.m_clrWarrantEditBack, RGB(1, 2, 3));       // quotes removed by the reader
  EXPECT_EQ(theApp.m_nFilletRadian, 0);                       // names match whatever the case
  EXPECT_EQ(theApp.m_strRegGuid, L"");                        // empty value is not the default
  EXPECT_EQ(theApp.m_strSetupTitle, L"Alpha_Beta_Setup");
  EXPECT_EQ(theApp.m_strInstallDir, L"C:\\Program Files\\Alpha\\Beta");
}

TEST_F(AppFolder, Utf16FileKeepsNonAsciiText) {
  WriteUtf16(L"[Font]\r\nfont_name_chinese=\x5FAE\x8F6F\x96C5\x9ED1\r\n[Setting]\r\nregister_company=\x00C5lfa\r\n");
  theApp.m_language.m_wLanguageId = 0x0804;
  theApp.LoadSettings();
  EXPECT_EQ(theApp.m_strFontName, L"\x5FAE\x8F6F\x96C5\x9ED1");
  EXPECT_EQ(theApp.m_strRegCompany, L"\x00C5lfa");
}

TEST_F(AppFolder, SkinPathsFollowTheExecutableFolder) {
  theApp.m_strExeDir = L"C:\\Program Files (x86)\\\x65E0\x7EBF \\";
  theApp.InitSkinPaths();
  EXPECT_EQ(theApp.m_strSkinMainBack, theApp.m_strExeDir + L"Skin\\main_back.bmp");
  EXPECT_EQ(theApp.m_strSkinIcon, theApp.m_strExeDir + L"Skin\\main.ico");
  EXPECT_EQ(theApp.m_strSkinFinishAnimation, theApp.m_strExeDir + L"Skin\\finish.gif");
}

// The installation record under HKLM\SOFTWARE\<company>\<product>, as written by the installer.
class InstallRecord : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = {theApp.m_strRegCompany, theApp.m_strRegProduct, theApp.m_strRegInstallDirValue};
    theApp.m_strRegCompany = L"InstallUiTest";
    theApp.m_strRegProduct = L"Record" + std::to_wstring(::GetCurrentProcessId());
    theApp.m_strRegInstallDirValue = L"InstallDir";
  }
  void TearDown() override {
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, KeyPath().c_str());
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\InstallUiTest");
    theApp.m_strRegCompany = m_saved[0];
    theApp.m_strRegProduct = m_saved[1];
    theApp.m_strRegInstallDirValue = m_saved[2];
    theApp.m_strRecordedInstallDir.clear();
  }
  std::wstring KeyPath() const { return L"SOFTWARE\\" + theApp.m_strRegCompany + L"\\" + theApp.m_strRegProduct; }
  void Write(const std::wstring* value) const {
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, KeyPath().c_str());
    if (!value) return;
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                     static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
  }
  std::vector<std::wstring> m_saved;
};

TEST_F(InstallRecord, CommandLineAgainstTheRecord) {
  const std::wstring shortDir = L"D:\\Apps\\Morva\\KorbiNet";
  const std::wstring longDir = L"C:\\" + std::wstring(200, L'd');  // beyond 129 characters, within 259
  const std::wstring tooLong = L"C:\\" + std::wstring(300, L'd');  // beyond what the writer allows
  struct Case {
    const std::wstring* record;  // null: no record
    std::vector<std::wstring> args;
    int mode;
    const std::wstring* recorded;
  };
  const std::wstring none;
  const Case cases[] = {
      {nullptr, {L"app.exe"}, RUN_MODE_INSTALL, &none},
      {&shortDir, {L"app.exe"}, RUN_MODE_UNINSTALL, &shortDir},
      {&longDir, {L"app.exe"}, RUN_MODE_UNINSTALL, &longDir},
      {&tooLong, {L"app.exe"}, RUN_MODE_INSTALL, &none},
      {&shortDir, {L"app.exe", L"-i"}, RUN_MODE_INSTALL, &shortDir},
      {nullptr, {L"app.exe", L"-u"}, RUN_MODE_UNINSTALL, &none},
      {nullptr, {L"app.exe", L"-U"}, RUN_MODE_INSTALL, &none},
      {nullptr, {L"app.exe", L"/u"}, RUN_MODE_INSTALL, &none},
      {nullptr, {L"app.exe", L"-uu"}, RUN_MODE_INSTALL, &none},
      {&shortDir, {L"app.exe", L"-I"}, RUN_MODE_UNINSTALL, &shortDir},
      {nullptr, {L"app.exe", L"-u", L"-i"}, RUN_MODE_UNINSTALL, &none},
      {&longDir, {L"app.exe", L"-x", L"-i"}, RUN_MODE_UNINSTALL, &longDir},
  };
  int index = 0;
  for (const Case& c : cases) {
    Write(c.record);
    theApp.m_strRecordedInstallDir.clear();
    bool installed = theApp.IsInstalled() != FALSE;
    EXPECT_EQ(DecideRunMode(installed, c.args), c.mode) << "case " << index;
    EXPECT_EQ(theApp.m_strRecordedInstallDir, *c.recorded) << "case " << index;
    ++index;
  }
}

TEST_F(InstallRecord, KeyWithoutValueIsNotInstalled) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
  EXPECT_FALSE(theApp.IsInstalled());
  EXPECT_EQ(theApp.m_strRecordedInstallDir, L"");
}

}  // namespace
