// The framework's plumbing with real windows: routing, unbinding, reflection, chaining,
// the modal loop's key filter, the exception barrier, handle owners and threads.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "framework/Thread.h"

namespace {

constexpr UINT WM_TEST_PING = WM_APP + 1;
constexpr UINT WM_TEST_THROW = WM_APP + 2;
constexpr UINT WM_TEST_BASE_ONLY = WM_APP + 3;
constexpr int IDD_TEST_PLAIN = 900;

class CBaseProbe : public fw::CWnd {
 public:
  int m_nBaseHits = 0;
  BEGIN_MSG_MAP(CBaseProbe)
    MESSAGE_HANDLER(WM_TEST_BASE_ONLY, OnBaseOnly)
  END_MSG_MAP()
  LRESULT OnBaseOnly(UINT, WPARAM, LPARAM, BOOL&) { return ++m_nBaseHits; }
};

class CProbe : public CBaseProbe {
 public:
  int m_nPings = 0;
  int m_nColours = 0;
  BEGIN_MSG_MAP(CProbe)
    MESSAGE_HANDLER(WM_TEST_PING, OnPing)
    MESSAGE_HANDLER(WM_TEST_THROW, OnThrow)
    REFLECTED_MESSAGE_HANDLER(WM_CTLCOLORSTATIC, OnColour)
    CHAIN_MSG_MAP(CBaseProbe)
  END_MSG_MAP()
  LRESULT OnPing(UINT, WPARAM wParam, LPARAM, BOOL&) {
    ++m_nPings;
    return static_cast<LRESULT>(wParam) * 2;
  }
  LRESULT OnThrow(UINT, WPARAM, LPARAM, BOOL&) { throw std::runtime_error("handler failed"); }
  LRESULT OnColour(UINT, WPARAM, LPARAM, BOOL&) {
    ++m_nColours;
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
  }
};

HWND MakeHiddenStatic() {
  return ::CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}

TEST(WindowBinding, RoutesToHandlerAndChainsToBase) {
  HWND hWnd = MakeHiddenStatic();
  ASSERT_TRUE(hWnd);
  CProbe probe;
  ASSERT_TRUE(probe.SubclassWindow(hWnd));
  EXPECT_EQ(fw::CWnd::FromHandlePermanent(hWnd), &probe);
  EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_PING, 21, 0), 42);
  EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_BASE_ONLY, 0, 0), 1);
  EXPECT_EQ(probe.m_nPings, 1);
  // Unhandled messages still reach the control's own procedure.
  wchar_t text[16] = {};
  ::GetWindowTextW(hWnd, text, 16);
  EXPECT_STREQ(text, L"probe");
  // A second object cannot take a window that is already bound.
  CProbe other;
  EXPECT_FALSE(other.SubclassWindow(hWnd));
  ::DestroyWindow(hWnd);
  EXPECT_EQ(probe.m_hWnd, nullptr);
}

TEST(WindowBinding, ObjectGoneFirstStopsRouting) {
  HWND hWnd = MakeHiddenStatic();
  ASSERT_TRUE(hWnd);
  {
    CProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));
  }
  EXPECT_EQ(fw::CWnd::FromHandlePermanent(hWnd), nullptr);
  EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_PING, 21, 0), 0);  // no object: the static ignores it
  ::DestroyWindow(hWnd);
}

TEST(WindowBinding, WindowGoneFirstIsSafe) {
  CProbe probe;
  HWND hWnd = MakeHiddenStatic();
  ASSERT_TRUE(probe.SubclassWindow(hWnd));
  ::DestroyWindow(hWnd);
  EXPECT_EQ(probe.m_hWnd, nullptr);
  EXPECT_FALSE(probe.IsSubclassed());
  // The object can bind again afterwards.
  HWND second = MakeHiddenStatic();
  EXPECT_TRUE(probe.SubclassWindow(second));
  ::DestroyWindow(second);
}

TEST(WindowBinding, ExceptionStopsAtTheBarrier) {
  HWND hWnd = MakeHiddenStatic();
  CProbe probe;
  ASSERT_TRUE(probe.SubclassWindow(hWnd));
  EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_THROW, 0, 0), 0);
  EXPECT_EQ(::SendMessageW(hWnd, WM_TEST_PING, 1, 0), 2);  // still alive and routed
  ::DestroyWindow(hWnd);
}

// A modeless dialog with a bound label and command handlers.
class CPlainDlg : public fw::CDialog {
 public:
  CPlainDlg() : fw::CDialog(IDD_TEST_PLAIN) {}
  CProbe m_label;
  fw::CWnd m_edit;
  int m_nInits = 0;
  int m_nLabelClicks = 0;
  bool m_bSwallowEnter = false;

  BEGIN_MSG_MAP(CPlainDlg)
    COMMAND_ID_HANDLER(902, OnLabel)
    MESSAGE_HANDLER(WM_TEST_PING, OnEnd)
    CHAIN_MSG_MAP(fw::CDialog)
  END_MSG_MAP()

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (m_bSwallowEnter && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) return FALSE;
    return fw::CDialog::PreTranslateMessage(pMsg);
  }

 protected:
  void DoDataExchange() override {
    DDX_Control(902, m_label);
    DDX_Control(901, m_edit);
  }
  BOOL OnInitDialog() override {
    fw::CDialog::OnInitDialog();
    ++m_nInits;
    return TRUE;
  }
  LRESULT OnLabel(WORD, WORD, HWND, BOOL&) { return ++m_nLabelClicks; }
  LRESULT OnEnd(UINT, WPARAM wParam, LPARAM, BOOL&) {
    EndDialog(static_cast<INT_PTR>(wParam));
    return 0;
  }
};

TEST(Dialog, ModelessBindsControlsAndReflectsNotifications) {
  CPlainDlg dlg;
  ASSERT_TRUE(dlg.Create(nullptr));
  EXPECT_EQ(dlg.m_nInits, 1);
  ASSERT_TRUE(dlg.m_label.m_hWnd);
  EXPECT_EQ(fw::CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);

  // The colour message for the label goes back to the label's own object.
  HDC dc = ::GetDC(dlg.m_label.m_hWnd);
  LRESULT brush = ::SendMessageW(dlg.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(dlg.m_label.m_hWnd));
  ::ReleaseDC(dlg.m_label.m_hWnd, dc);
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(dlg.m_label.m_nColours, 1);

  // A command from the label reaches the dialog's handler (the label does not take commands).
  ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(902, STN_CLICKED), reinterpret_cast<LPARAM>(dlg.m_label.m_hWnd));
  EXPECT_EQ(dlg.m_nLabelClicks, 1);

  HWND hWnd = dlg.m_hWnd;
  dlg.DestroyWindow();
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(dlg.m_label.m_hWnd, nullptr);
}

TEST(Dialog, ObjectGoneFirstDestroysItsWindow) {
  HWND hWnd = nullptr;
  {
    CPlainDlg dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    hWnd = dlg.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
}

// Posts keys to the focused edit box once the modal loop runs, then ends the dialog.
struct ModalScript {
  static void CALLBACK Step(HWND hWnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hWnd, id);
    HWND edit = ::GetDlgItem(hWnd, 901);
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageW(hWnd, WM_TEST_PING, 7, 0);
  }
};

class CScriptedDlg : public CPlainDlg {
 protected:
  BOOL OnInitDialog() override {
    CPlainDlg::OnInitDialog();
    ::SetTimer(m_hWnd, 1, 10, &ModalScript::Step);
    return TRUE;
  }
};

TEST(Dialog, ModalLoopLetsPreTranslateMessageFilterKeys) {
  struct Case {
    bool swallowEnter;
    INT_PTR expected;  // Enter presses the default button (1) unless it is filtered out
  };
  const Case cases[] = {{false, IDOK}, {true, 7}};
  for (const Case& c : cases) {
    CScriptedDlg dlg;
    dlg.m_bSwallowEnter = c.swallowEnter;
    EXPECT_EQ(dlg.DoModal(nullptr), c.expected) << "swallowEnter=" << c.swallowEnter;
    EXPECT_EQ(dlg.m_hWnd, nullptr);
  }
}

TEST(Dialog, MissingTemplateFailsTheModalRun) {
  fw::CDialog dlg(4321);
  EXPECT_EQ(dlg.DoModal(nullptr), -1);
}

TEST(Handles, ScopedSelectRestoresThePreviousObject) {
  fw::CMemoryDC dc(::CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  HGDIOBJ before = ::GetCurrentObject(dc.Get(), OBJ_BRUSH);
  fw::CBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
  {
    fw::CSelectObject select(dc.Get(), brush.Get());
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), brush.Get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), before);
}

TEST(Handles, OwnersMoveAndReleaseOnce) {
  fw::CHandle first(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  HANDLE raw = first.Get();
  fw::CHandle second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.Get(), raw);
  second.Reset();
  DWORD flags = 0;
  EXPECT_FALSE(::GetHandleInformation(raw, &flags));  // closed exactly once, by its owner
}

unsigned __stdcall Sleeper(void* arg) {
  ::WaitForSingleObject(static_cast<HANDLE>(arg), INFINITE);
  return 5;
}
unsigned __stdcall Thrower(void*) { throw std::runtime_error("worker failed"); }

TEST(Threads, StopWaitsThenTerminatesAndBarrierCatches) {
  fw::CEvent never(TRUE, FALSE);
  fw::CHandle hung = fw::StartThread(&Sleeper, never.Get());
  ASSERT_TRUE(hung);
  HANDLE raw = hung.Get();
  fw::StopThread(hung, 50);
  EXPECT_FALSE(hung);
  (void)raw;

  fw::CHandle thrower = fw::StartThread(&Thrower, nullptr);
  ASSERT_TRUE(thrower);
  ASSERT_EQ(::WaitForSingleObject(thrower.Get(), 5000), WAIT_OBJECT_0);
  DWORD code = 0;
  ::GetExitCodeThread(thrower.Get(), &code);
  EXPECT_EQ(code, 1u);
}

}  // namespace
