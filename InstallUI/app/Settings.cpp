// Reading Setting.ini into the application object.
#include <vector>

#include "app/ApplicationApp.h"
#include "app/TextRules.h"
#include "framework/Format.h"

namespace {

// Values are read into a buffer of 64 characters: at most 63 are used.
constexpr DWORD kSettingCapacity = 64;
constexpr WORD kLanguageChinesePrc = 0x0804;

}  // namespace

std::wstring CApplicationApp::ReadSetting(const std::wstring& section, const std::wstring& key,
                                          const std::wstring& defaultText) {
  std::wstring file = fw::Format(L"%lsSetting\\%ls", m_strExeDir.c_str(), L"Setting.ini");
  wchar_t value[kSettingCapacity] = {};
  ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), value, kSettingCapacity, file.c_str());
  return value;
}

BOOL CApplicationApp::ParseColor(COLORREF& colour, const std::wstring& text) {
  uint32_t parsed = colour;
  if (!ParseColorText(text, parsed)) return FALSE;
  colour = parsed;
  return TRUE;
}

void CApplicationApp::LoadSettings() {
  struct FontKeys {
    std::wstring face, buttonWeight, buttonHeight, staticWeight, staticHeight, welcomeHeight;
  };
  // All twelve font keys are read whatever the language.
  FontKeys chinese{ReadSetting(L"Font", L"font_name_chinese", L"\x5B8B\x4F53"),
                   ReadSetting(L"Font", L"btn_font_weight_chinese", L"0"),
                   ReadSetting(L"Font", L"btn_font_height_chinese", L"14"),
                   ReadSetting(L"Font", L"static_font_weight_chinese", L"0"),
                   ReadSetting(L"Font", L"static_font_height_chinese", L"12"),
                   ReadSetting(L"Font", L"static_font_welcome_height_chinese", L"20")};
  FontKeys other{ReadSetting(L"Font", L"font_name_other", L"Microsoft YaHei"),
                 ReadSetting(L"Font", L"btn_font_weight_other", L"0"),
                 ReadSetting(L"Font", L"btn_font_height_other", L"19"),
                 ReadSetting(L"Font", L"static_font_weight_other", L"0"),
                 ReadSetting(L"Font", L"static_font_height_other", L"18"),
                 ReadSetting(L"Font", L"static_font_welcome_height_other", L"20")};
  const FontKeys& fonts = m_language.m_wLanguageId == kLanguageChinesePrc ? chinese : other;
  m_strFontName = fonts.face;
  m_nButtonFontWeight = ParseNumber(fonts.buttonWeight);
  m_nButtonFontHeight = ParseNumber(fonts.buttonHeight);
  m_nStaticFontWeight = ParseNumber(fonts.staticWeight);
  m_nStaticFontHeight = ParseNumber(fonts.staticHeight);
  m_nWelcomeFontHeight = ParseNumber(fonts.welcomeHeight);

  std::wstring white = ReadSetting(L"Color", L"static_font_white_color", L"255,255,255");
  std::wstring black = ReadSetting(L"Color", L"static_font_black_color", L"51,51,51");
  std::wstring gray = ReadSetting(L"Color", L"static_font_gray_color", L"102,102,102");
  std::wstring orange = ReadSetting(L"Color", L"static_font_orange_color", L"253,79,0");
  ParseColor(m_clrWhite, white);
  ParseColor(m_clrBlack, black);
  ParseColor(m_clrGray, gray);
  ParseColor(m_clrOrange, orange);
  ParseColor(m_clrWarrantEditBack, ReadSetting(L"Color", L"warrant_edit_back_color", L"242,242,242"));

  m_nFilletRadian = ParseNumber(ReadSetting(L"Setting", L"fillet_radian", L"10"));

  m_strRegCompany = ReadSetting(L"Setting", L"register_company", L"Morva");
  m_strRegProduct = ReadSetting(L"Setting", L"register_product", L"KorbiNet");
  m_strRegInstallDirValue = ReadSetting(L"Setting", L"register_install_dir", L"InstallDir");
  m_strRegGuid = ReadSetting(L"Setting", L"register_guid", L"4F1B7D20-8A3E-4C65-B9D7-2E5A60C1F384");
  m_strProgramName = ReadSetting(L"Setting", L"program_name", L"KorbiNet");

  m_strInstallDir = fw::Format(L"%ls\\%ls\\%ls", m_strInstallDir.c_str(),
                                      m_strRegCompany.c_str(), m_strRegProduct.c_str());
  m_strSetupTitle = fw::Format(L"%ls_%ls_Setup", m_strRegCompany.c_str(), m_strRegProduct.c_str());
  m_strLicenseFile = fw::Format(L"%lsLanguages\\License_%ls.txt", m_strExeDir.c_str(),
                                       m_language.GetLanguageName().c_str());
}
