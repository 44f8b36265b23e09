// The skinned dialog base on real windows: stretched background, corner region from the
// second paint, dragging, and Enter / Escape in a modal run.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/TDialog.h"
#include "controls_support.h"

using namespace ctltest;

namespace {

constexpr UINT WM_TEST_END = WM_APP + 40;

class CTestDialog : public CTDialog {
 public:
  CTestDialog() : CTDialog(IDD_SKIN_CONTROLS) {}
  int m_nPaints = 0;
  BEGIN_MSG_MAP(CTestDialog)
    MESSAGE_HANDLER(WM_PAINT, OnCountPaint)
    MESSAGE_HANDLER(WM_TEST_END, OnEnd)
    CHAIN_MSG_MAP(CTDialog)
  END_MSG_MAP()
  LRESULT OnCountPaint(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    ++m_nPaints;
    bHandled = FALSE;
    return 0;
  }
  LRESULT OnEnd(UINT, WPARAM wParam, LPARAM, BOOL&) {
    EndDialog(static_cast<INT_PTR>(wParam));
    return 0;
  }
};

// A top-level test dialog of exactly width x height client pixels, shown at (x, y).
void Place(CTDialog& dlg, int x, int y, int width, int height) {
  ::SetWindowPos(dlg.m_hWnd, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
  RECT rc{};
  dlg.GetClientRect(&rc);
  ASSERT_EQ(rc.right, width);
  ASSERT_EQ(rc.bottom, height);
}

TEST(SkinnedDialog, BackgroundStretchedOverClientArea) {
  CTestDialog dlg;
  ASSERT_TRUE(dlg.Create(nullptr));
  // Controls out of the way of the pixels read below.
  for (HWND child = ::GetWindow(dlg.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    ::ShowWindow(child, SW_HIDE);
  Place(dlg, 20, 20, 300, 200);
  dlg.LoadBackground(DataPath("halves.bmp"));  // 100 x 50: left half red, right half blue
  ASSERT_TRUE(dlg.m_bmpBack);
  Settle(dlg.m_hWnd);
  const struct {
    int x, y;
    COLORREF colour;
  } points[] = {{1, 1, RGB(255, 0, 0)},      {145, 100, RGB(255, 0, 0)}, {155, 100, RGB(0, 0, 255)},
                {298, 198, RGB(0, 0, 255)}, {10, 198, RGB(255, 0, 0)}};
  for (const auto& p : points) EXPECT_EQ(PixelAt(dlg.m_hWnd, p.x, p.y), p.colour) << p.x << "," << p.y;

  // A second background replaces the first.
  dlg.LoadBackground(DataPath("teal.bmp"));
  Settle(dlg.m_hWnd);
  EXPECT_EQ(PixelAt(dlg.m_hWnd, 155, 100), RGB(0, 128, 128));

  // An empty path changes nothing; a file that is not a bitmap leaves no background and the
  // dialog manager paints the plain dialog face.
  dlg.LoadBackground(L"");
  EXPECT_TRUE(dlg.m_bmpBack);
  dlg.LoadBackground(DataPath("quad.png"));
  EXPECT_FALSE(dlg.m_bmpBack);
  Settle(dlg.m_hWnd);
  EXPECT_EQ(PixelAt(dlg.m_hWnd, 155, 100), ::GetSysColor(COLOR_BTNFACE));
  dlg.DestroyWindow();
}

TEST(SkinnedDialog, CornerRegionFromSecondPaint) {
  for (bool withBitmap : {true, false}) {
    SCOPED_TRACE(withBitmap ? "with background" : "without background");
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    if (withBitmap) dlg.LoadBackground(DataPath("teal.bmp"));
    dlg.m_nFilletRadius = 6;
    ::SetWindowPos(dlg.m_hWnd, HWND_TOP, 20, 20, 300, 200, SWP_NOACTIVATE);
    ::ShowWindow(dlg.m_hWnd, SW_SHOWNA);
    HRGN probe = ::CreateRectRgn(0, 0, 0, 0);

    ::UpdateWindow(dlg.m_hWnd);  // first paint: square corners, asks for another
    EXPECT_EQ(dlg.m_bRegionReady, 1);
    EXPECT_EQ(::GetWindowRgn(dlg.m_hWnd, probe), ERROR);

    ::UpdateWindow(dlg.m_hWnd);  // second paint
    ASSERT_NE(::GetWindowRgn(dlg.m_hWnd, probe), ERROR);
    RECT box{};
    ::GetRgnBox(probe, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_GE(box.right, 300);
    EXPECT_GE(box.bottom, 200);
    EXPECT_FALSE(::PtInRegion(probe, 0, 0));
    EXPECT_FALSE(::PtInRegion(probe, 299, 199));
    EXPECT_TRUE(::PtInRegion(probe, 3, 100));
    EXPECT_TRUE(::PtInRegion(probe, 150, 0));

    // Setting the region again must not keep the window repainting itself.
    Pump(200);
    int before = dlg.m_nPaints;
    Pump(300);
    EXPECT_LE(dlg.m_nPaints - before, 1);

    // A new size gets a region of the new size.
    ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    dlg.Invalidate();
    ::UpdateWindow(dlg.m_hWnd);
    ASSERT_NE(::GetWindowRgn(dlg.m_hWnd, probe), ERROR);
    ::GetRgnBox(probe, &box);
    EXPECT_GE(box.right, 200);
    EXPECT_LT(box.right, 300);
    EXPECT_FALSE(::PtInRegion(probe, 199, 99));
    ::DeleteObject(probe);
    dlg.DestroyWindow();
  }

  CTestDialog square;
  ASSERT_TRUE(square.Create(nullptr));
  square.LoadBackground(DataPath("teal.bmp"));
  ::ShowWindow(square.m_hWnd, SW_SHOWNA);
  Settle(square.m_hWnd);
  square.Invalidate();
  Settle(square.m_hWnd);
  HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(square.m_hWnd, probe), ERROR);
  EXPECT_EQ(square.m_bRegionReady, 0);
  ::DeleteObject(probe);
  square.DestroyWindow();
}

TEST(SkinnedDialog, ClickOnBackgroundDragsOnlyWhenAsked) {
  for (int drag : {1, 0}) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    dlg.m_bDrag = drag;
    const LPARAM at = MAKELPARAM(150, 70);
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    MSG msg{};
    // Taken off the queue, not dispatched: dispatching would start the system's move loop.
    BOOL posted = ::PeekMessageW(&msg, dlg.m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
    EXPECT_EQ(posted != FALSE, drag == 1);
    if (posted) {
      EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
      EXPECT_EQ(msg.lParam, at);
    }
    dlg.DestroyWindow();
  }
}

// Counts the keys the focused edit control receives.
class CKeyProbe : public fw::CWnd {
 public:
  int m_nReturn = 0;
  int m_nEscape = 0;
  BEGIN_MSG_MAP(CKeyProbe)
    MESSAGE_HANDLER(WM_KEYDOWN, OnKey)
  END_MSG_MAP()
  LRESULT OnKey(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
    if (wParam == VK_RETURN) ++m_nReturn;
    if (wParam == VK_ESCAPE) ++m_nEscape;
    bHandled = FALSE;
    return 0;
  }
};

class CModalKeyDialog : public CTestDialog {
 public:
  CKeyProbe m_edit;
  BOOL OnInitDialog() override {
    CTestDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_EDIT, m_hWnd);
    ::SetFocus(m_edit.m_hWnd);
    // Through the modal loop as if typed: Enter, Escape, then an end of our own.
    ::PostMessageW(m_edit.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(m_edit.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessage(WM_TEST_END, 77);
    return FALSE;
  }
};

TEST(SkinnedDialog, EnterAndEscapeReachTheFocusedControlOnly) {
  CModalKeyDialog dlg;
  // The default button (IDOK) would end with 1, the cancel command with 2.
  EXPECT_EQ(dlg.DoModal(), 77);
  EXPECT_EQ(dlg.m_edit.m_nReturn, 1);
  EXPECT_EQ(dlg.m_edit.m_nEscape, 1);
}

TEST(SkinnedDialog, TopmostOnlyOnNt5) {
  CTestDialog dlg;
  ASSERT_TRUE(dlg.Create(nullptr));
  bool topmost = (::GetWindowLongPtrW(dlg.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  EXPECT_EQ(topmost, IsNt5x());
  dlg.DestroyWindow();
}

}  // namespace
