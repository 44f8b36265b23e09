// The image button and labels on a real skinned dialog: text placement, state images and
// colours driven by the mouse, the background copy, clipping, and the plain text label.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/TButtonPng.h"
#include "controls/TDialog.h"
#include "controls/TStatic.h"
#include "controls/TStaticPng.h"
#include "controls/TextPlacement.h"
#include "controls_support.h"

using namespace ctltest;

namespace {

constexpr COLORREF TEAL = RGB(0, 128, 128);
constexpr COLORREF OLIVE = RGB(128, 128, 0);
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr int CW = 100;
constexpr int CH = 30;

// The test dialog with a teal background, its controls at exact pixel rectangles:
// button (20, 20), image label (20, 70), text label (20, 120), each 100 x 30.
class CHostDialog : public CTDialog {
 public:
  CHostDialog() : CTDialog(IDD_SKIN_CONTROLS) {}
  CTButtonPng m_button;
  CTStaticPng m_label;
  CTStatic m_plain;
  int m_nLabelClicks = 0;

  BEGIN_MSG_MAP(CHostDialog)
    COMMAND_HANDLER(IDC_LABEL, STN_CLICKED, OnLabelClicked)
    CHAIN_MSG_MAP(CTDialog)
  END_MSG_MAP()

  bool Open() {
    if (!Create(nullptr)) return false;
    DDX_Control(IDC_BUTTON, m_button);
    DDX_Control(IDC_LABEL, m_label);
    DDX_Control(IDC_PLAIN, m_plain);
    ::MoveWindow(m_button.m_hWnd, 20, 20, CW, CH, FALSE);
    ::MoveWindow(m_label.m_hWnd, 20, 70, CW, CH, FALSE);
    ::MoveWindow(m_plain.m_hWnd, 20, 120, CW, CH, FALSE);
    ::ShowWindow(GetDlgItem(IDC_EDIT), SW_HIDE);
    LoadBackground(DataPath("teal.bmp"));
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 40, 40, 300, 200, SWP_SHOWWINDOW);
    ::SetCursorPos(1000, 1000);  // away from every control
    Settle(m_hWnd);
    return true;
  }
  ~CHostDialog() override { DestroyWindow(); }

 private:
  LRESULT OnLabelClicked(WORD, WORD, HWND, BOOL&) {
    ++m_nLabelClicks;
    return 0;
  }
};

POINT ScreenCentre(HWND hWnd) {
  RECT rc{};
  ::GetWindowRect(hWnd, &rc);
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void MoveCursorOnto(HWND hWnd) {
  POINT p = ScreenCentre(hWnd);
  ::SetCursorPos(p.x, p.y);
  Pump(60);
}

void MoveCursorAway() {
  ::SetCursorPos(1000, 1000);
  Pump(120);
}

SIZE MeasureText(const CTImageControl& control, const wchar_t* text) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, control.m_pFont.Get());
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return size;
}

TEST(ImageControls, TextPlacedByModeWithButtonInset) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  RECT ink[2][3];
  const int modes[3] = {1, 4, 5};
  for (int kind = 0; kind < 2; ++kind) {
    CTImageControl& control = kind == 0 ? static_cast<CTImageControl&>(dlg.m_button) : dlg.m_label;
    HWND hWnd = kind == 0 ? dlg.m_button.m_hWnd : dlg.m_label.m_hWnd;
    const int inset = kind == 0 ? BUTTON_TEXT_INSET : LABEL_TEXT_INSET;
    control.SetTextFont(-20, FW_BOLD, L"Arial");
    control.SetTextColors(RED, RED, RED);
    control.SetText(L"Wg");
    const SIZE text = MeasureText(control, L"Wg");
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(testing::Message() << (kind == 0 ? "button" : "label") << " mode " << modes[i]);
      control.SetTextPlacement(modes[i], 0);
      Settle(dlg.m_hWnd);
      CCapture shot(hWnd);
      RECT box = shot.Differing(TEAL);
      const CTextPoint at = PlaceText(modes[i], CW, CH, text.cx, text.cy, 0, inset);
      // The ink lies inside the measured cell at the placed origin.
      EXPECT_GE(box.left, at.x);
      EXPECT_LE(box.left, at.x + 4);
      EXPECT_LE(box.right, at.x + text.cx);
      EXPECT_GE(box.right, at.x + text.cx - 6);
      EXPECT_GE(box.top, at.y);
      EXPECT_LE(box.bottom, at.y + text.cy);
      ink[kind][i] = box;
    }
  }
  // Same font and text: the button sits 2 pixels further in, the centred text does not move.
  EXPECT_EQ(ink[0][0].left, ink[1][0].left - 2);  // mode 1
  EXPECT_EQ(ink[0][1].left, ink[1][1].left);      // mode 4
  EXPECT_EQ(ink[0][2].left, ink[1][2].left + 2);  // mode 5
}

TEST(ImageControls, WindowTextOfFirstPaintIsKept) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  EXPECT_EQ(dlg.m_button.m_strText, L"Wg");
  RECT before = CCapture(dlg.m_button.m_hWnd).Differing(TEAL);
  ASSERT_GE(before.right, before.left);
  dlg.m_button.SetWindowText(L"W");
  dlg.m_button.Invalidate();
  Settle(dlg.m_hWnd);
  RECT after = CCapture(dlg.m_button.m_hWnd).Differing(TEAL);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.right, before.right);
}

struct StateStep {
  const char* what;
  COLORREF image;
  COLORREF text;
};

TEST(ImageControls, ButtonStatesFollowTheMouse) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  CTButtonPng& button = dlg.m_button;
  const COLORREF textNormal = RGB(255, 255, 0), textHover = RGB(255, 0, 255), textPressed = RGB(255, 255, 255);
  button.SetImages(DataPath("state_normal.png"), DataPath("state_hover.png"), DataPath("state_pressed.png"));
  button.SetTextFont(-24, FW_BOLD, L"Arial");
  button.SetTextColors(textNormal, textHover, textPressed);
  button.SetTextPlacement(6, 0);  // right of the 10 x 10 image
  Settle(dlg.m_hWnd);

  auto check = [&](const StateStep& step) {
    SCOPED_TRACE(step.what);
    Settle(dlg.m_hWnd);
    CCapture shot(button.m_hWnd);
    EXPECT_EQ(shot.At(5, 5), step.image);
    EXPECT_TRUE(shot.Contains(step.text));
    EXPECT_EQ(shot.At(30, 2), TEAL);  // the copied background around the small image
  };
  const LPARAM inside = MAKELPARAM(5, 5);
  check({"normal", RED, textNormal});
  MoveCursorOnto(button.m_hWnd);  // the real move over the control
  check({"hover after moving in", GREEN, textHover});
  button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
  check({"pressed", BLUE, textPressed});
  button.SendMessage(WM_MOUSELEAVE);  // dragged out with the button still down
  EXPECT_EQ(button.m_bPressed, 1);
  check({"dragged out", RED, textNormal});
  button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, inside);
  check({"back in while pressed", BLUE, textPressed});
  button.SendMessage(WM_LBUTTONUP, 0, inside);
  check({"released", GREEN, textHover});
  // A quick second click arrives as a double click: it presses all the same.
  button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  check({"second click pressed", BLUE, textPressed});
  button.SendMessage(WM_LBUTTONUP, 0, inside);
  check({"second click released", GREEN, textHover});
  MoveCursorAway();
  check({"left", RED, textNormal});
  EXPECT_EQ(button.m_bTrackArmed, 1);

  // Hand cursor over the button.
  button.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(button.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

TEST(ImageControls, ImageFallbacksAndBrokenFiles) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  CTButtonPng& button = dlg.m_button;
  button.SetImages(L"A", L"B", L"");
  EXPECT_EQ(button.m_strImagePressed, L"B");
  button.SetImages(L"A", L"", L"");
  EXPECT_EQ(button.m_strImageHover, L"A");
  EXPECT_EQ(button.m_strImagePressed, L"A");

  // Only a normal image: shown in every state.
  button.SetImages(DataPath("state_normal.png"), L"", L"");
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Settle(dlg.m_hWnd);
  EXPECT_EQ(CCapture(button.m_hWnd).At(5, 5), RED);
  button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

  // A file that is not a PNG leaves the image out; the text is still drawn.
  button.SetImages(DataPath("not_a_png.png"), L"", L"");
  button.SetTextColors(RED, RED, RED);
  Settle(dlg.m_hWnd);
  CCapture shot(button.m_hWnd);
  EXPECT_EQ(shot.At(5, 5), TEAL);
  EXPECT_TRUE(shot.Contains(RED));
}

TEST(ImageControls, BackgroundCopiedOnceAndLargeImageClipped) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  dlg.m_button.SetText(L" ");
  dlg.m_label.SetImages(DataPath("big_green.png"), L"", L"");  // 200 x 60 in a 100 x 30 label
  dlg.m_label.SetText(L" ");
  Settle(dlg.m_hWnd);
  // The dialog changes its background after the controls' first paint.
  dlg.LoadBackground(DataPath("olive.bmp"));
  dlg.m_button.Invalidate();
  Settle(dlg.m_hWnd);
  EXPECT_EQ(PixelAt(dlg.m_hWnd, 10, 10), OLIVE);
  EXPECT_EQ(PixelAt(dlg.m_button.m_hWnd, 50, 15), TEAL);  // still the first copy

  EXPECT_EQ(PixelAt(dlg.m_label.m_hWnd, 99, 29), GREEN);
  EXPECT_EQ(PixelAt(dlg.m_hWnd, 20 + CW + 2, 70 + 10), OLIVE);  // right of the label
  EXPECT_EQ(PixelAt(dlg.m_hWnd, 20 + 10, 70 + CH + 2), OLIVE);  // below it
}

TEST(ImageControls, LabelTakesTheMouseOnlyWhenClickable) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  CTStaticPng& label = dlg.m_label;
  label.SetImages(DataPath("state_normal.png"), DataPath("state_hover.png"), L"");
  label.m_hCursor = ::LoadCursorW(nullptr, IDC_HAND);
  const WPARAM self = reinterpret_cast<WPARAM>(label.m_hWnd);

  MoveCursorOnto(label.m_hWnd);
  label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  label.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  label.SendMessage(WM_SETCURSOR, self, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  Settle(dlg.m_hWnd);
  EXPECT_EQ(label.m_bHover, 0);
  EXPECT_EQ(label.m_bPressed, 0);
  EXPECT_EQ(CCapture(label.m_hWnd).At(5, 5), RED);
  EXPECT_NE(::GetCursor(), label.m_hCursor);
  EXPECT_EQ(dlg.m_nLabelClicks, 0);
  MoveCursorAway();

  label.MakeClickable();
  label.MakeClickable();
  EXPECT_EQ(label.m_bClickable, 1);
  EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
  MoveCursorOnto(label.m_hWnd);
  Settle(dlg.m_hWnd);
  EXPECT_EQ(CCapture(label.m_hWnd).At(5, 5), GREEN);
  label.SendMessage(WM_SETCURSOR, self, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), label.m_hCursor);
  label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  label.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(dlg.m_nLabelClicks, 1);

  // Pressed, dragged out and released outside: a label has no capture, so it never sees the
  // release. Coming back with no button down it shows hover, not pressed.
  label.SetImages(DataPath("state_normal.png"), DataPath("state_hover.png"), DataPath("state_pressed.png"));
  label.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Settle(dlg.m_hWnd);
  EXPECT_EQ(CCapture(label.m_hWnd).At(5, 5), BLUE);
  MoveCursorAway();
  EXPECT_EQ(CCapture(label.m_hWnd).At(5, 5), RED);
  MoveCursorOnto(label.m_hWnd);
  label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Settle(dlg.m_hWnd);
  EXPECT_EQ(CCapture(label.m_hWnd).At(5, 5), GREEN);
  MoveCursorAway();
}

TEST(TextLabel, OwnColourAndFontWithoutBackground) {
  CHostDialog dlg;
  ASSERT_TRUE(dlg.Open());
  CTStatic& plain = dlg.m_plain;
  plain.m_clrText = RED;
  plain.SetTextFont(-12, FW_BOLD, L"Arial");
  plain.Invalidate();
  Settle(dlg.m_hWnd);
  RECT small;
  {
    CCapture shot(plain.m_hWnd);
    EXPECT_EQ(shot.At(CW - 2, CH - 2), TEAL);  // no background of its own
    EXPECT_TRUE(shot.Contains(RED));
    small = shot.Differing(TEAL);
  }
  // A new font asks for no repaint; it shows at the next one.
  plain.SetTextFont(-24, FW_BOLD, L"Arial");
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(plain.m_hWnd, &update, FALSE));
  plain.Invalidate();
  Settle(dlg.m_hWnd);
  RECT large = CCapture(plain.m_hWnd).Differing(TEAL);
  EXPECT_GT(large.bottom - large.top, small.bottom - small.top);
}

}  // namespace
