// The page pattern: initialisation order of pages and prompts, the three looks and the
// adjustments that follow them.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/ApplicationApp.h"
#include "controls/TButtonPng.h"
#include "controls/TStaticPng.h"
#include "controls_support.h"
#include "lang/TranslateWindow.h"
#include "pages/PagePattern.h"

using namespace ctltest;

namespace {

constexpr int IDC_PAGE_BUTTON = 921;
constexpr int IDC_PAGE_LABEL = 922;

// Distinct settings, so each look shows which values it took.
class CLookSettings {
 public:
  CLookSettings() : m_saved(Save()) {
    theApp.m_strFontName = L"Arial";
    theApp.m_nButtonFontHeight = -17;
    theApp.m_nButtonFontWeight = 600;
    theApp.m_nStaticFontHeight = -13;
    theApp.m_nStaticFontWeight = 400;
    theApp.m_nWelcomeFontHeight = -26;
    theApp.m_clrOrange = RGB(250, 120, 0);
    theApp.m_clrBlack = RGB(1, 1, 1);
    theApp.m_clrGray = RGB(120, 120, 120);
    theApp.m_clrWhite = RGB(254, 254, 254);
    theApp.m_nFilletRadian = 8;
  }
  ~CLookSettings() { Restore(m_saved); }

 private:
  struct Values {
    std::wstring face;
    int bh, bw, sh, sw, wh, radius;
    COLORREF orange, black, grey, white;
  };
  static Values Save() {
    return {theApp.m_strFontName,       theApp.m_nButtonFontHeight, theApp.m_nButtonFontWeight,
            theApp.m_nStaticFontHeight, theApp.m_nStaticFontWeight, theApp.m_nWelcomeFontHeight,
            theApp.m_nFilletRadian,     theApp.m_clrOrange,         theApp.m_clrBlack,
            theApp.m_clrGray,           theApp.m_clrWhite};
  }
  static void Restore(const Values& v) {
    theApp.m_strFontName = v.face;
    theApp.m_nButtonFontHeight = v.bh;
    theApp.m_nButtonFontWeight = v.bw;
    theApp.m_nStaticFontHeight = v.sh;
    theApp.m_nStaticFontWeight = v.sw;
    theApp.m_nWelcomeFontHeight = v.wh;
    theApp.m_nFilletRadian = v.radius;
    theApp.m_clrOrange = v.orange;
    theApp.m_clrBlack = v.black;
    theApp.m_clrGray = v.grey;
    theApp.m_clrWhite = v.white;
  }
  Values m_saved;
};

// What ApplyLooks found already done when it ran.
struct CInitSnapshot {
  bool bRan = false;
  bool bBound = false;
  bool bTranslated = false;
  bool bBackground = false;
  int nDrag = -1;
  int nRadius = -1;
};

class CTestPage : public CTPageDialog {
 public:
  CTestPage(UINT id, bool popup) : CTPageDialog(id, popup) {}
  CTButtonPng m_button;
  CTStaticPng m_label;
  CInitSnapshot m_seen;
  bool m_bAfterLooksSawLook = false;

 protected:
  void DoDataExchange() override {
    DDX_Control(IDC_PAGE_BUTTON, m_button);
    DDX_Control(IDC_PAGE_LABEL, m_label);
  }
  std::wstring BackgroundPath() const override { return DataPath("teal.bmp"); }
  void ApplyLooks() override {
    m_seen.bRan = true;
    m_seen.bBound = m_button.m_hWnd && m_label.m_hWnd;
    m_seen.bTranslated = g_translatedWindows.Contains(m_hWnd);
    m_seen.bBackground = static_cast<bool>(m_bmpBack);
    m_seen.nDrag = m_bDrag;
    m_seen.nRadius = m_nFilletRadius;
    theApp.ApplyButtonLook(m_button);
    theApp.ApplyBlackLabelLook(m_label);
    LookBold(m_label);
  }
  void AfterLooks() override { m_bAfterLooksSawLook = m_label.m_nFontWeight == FW_BOLD; }
};

TEST(PagePattern, InitialisationOrderForPromptsAndPages) {
  CLookSettings settings;
  CTestPage prompt(IDD_SKIN_PROMPT, true);
  ASSERT_TRUE(prompt.Create(nullptr));
  CTestPage page(IDD_SKIN_PAGE, false);
  ASSERT_TRUE(page.Create(prompt.m_hWnd));

  const struct {
    const char* name;
    CTestPage& dlg;
    int drag, radius;
  } cases[] = {{"prompt", prompt, 1, 8}, {"page", page, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CInitSnapshot& seen = c.dlg.m_seen;
    ASSERT_TRUE(seen.bRan);
    EXPECT_TRUE(seen.bBound);
    EXPECT_TRUE(seen.bTranslated);
    EXPECT_TRUE(seen.bBackground);
    EXPECT_EQ(seen.nDrag, c.drag);
    EXPECT_EQ(seen.nRadius, c.radius);
    EXPECT_TRUE(c.dlg.m_bAfterLooksSawLook);
    // Template texts without a translation stay English.
    EXPECT_EQ(c.dlg.m_label.GetWindowText(), L"Exit setup?");
  }
  page.DestroyWindow();
  prompt.DestroyWindow();
}

TEST(PagePattern, LooksAndAdjustments) {
  CLookSettings settings;
  CTestPage prompt(IDD_SKIN_PROMPT, true);
  ASSERT_TRUE(prompt.Create(nullptr));
  CTButtonPng& button = prompt.m_button;
  CTStaticPng& label = prompt.m_label;

  EXPECT_EQ(button.m_strFontFace, L"Arial");
  EXPECT_EQ(button.m_nFontHeight, -17);
  EXPECT_EQ(button.m_nFontWeight, 600);
  EXPECT_EQ(button.m_clrTextPressed, RGB(250, 120, 0));
  EXPECT_EQ(button.m_nTextPlacement, 4);
  // Black label look, then bold: colour and placement of the look, the bold font.
  EXPECT_EQ(label.m_nFontHeight, -13);
  EXPECT_EQ(label.m_nFontWeight, FW_BOLD);
  EXPECT_EQ(label.m_clrTextHover, RGB(1, 1, 1));
  EXPECT_EQ(label.m_nTextPlacement, 5);
  LOGFONTW font{};
  ASSERT_TRUE(::GetObjectW(label.m_pFont.Get(), sizeof(font), &font));
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13);

  theApp.ApplyGreyLabelLook(label);
  EXPECT_EQ(label.m_clrTextNormal, RGB(120, 120, 120));
  EXPECT_EQ(label.m_nFontWeight, 400);
  LookLarge(label);
  EXPECT_EQ(label.m_nFontHeight, -26);
  EXPECT_EQ(label.m_nFontWeight, 400);
  LookButtonHeight(label);
  EXPECT_EQ(label.m_nFontHeight, -17);
  LookCentred(label);
  EXPECT_EQ(label.m_nTextPlacement, 4);
  EXPECT_EQ(label.m_nTextMargin, 0);
  LookTextWhite(label);
  EXPECT_EQ(label.m_clrTextPressed, RGB(254, 254, 254));
  LookTextGrey(label);
  EXPECT_EQ(label.m_clrTextHover, RGB(120, 120, 120));
  LookTextBlack(label);
  EXPECT_EQ(label.m_clrTextNormal, RGB(1, 1, 1));

  EXPECT_FALSE(label.GetStyle() & SS_NOTIFY);
  LookClickable(label);
  EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
  EXPECT_EQ(label.m_hCursor, ::LoadCursorW(nullptr, IDC_HAND));
  prompt.DestroyWindow();
}

}  // namespace
