#include "framework/Dialog.h"

#include "framework/App.h"

namespace fw {

namespace {

// Messages whose result a dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT uMsg) {
  if (IsCtlColorMessage(uMsg)) return true;
  switch (uMsg) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

CDialog::~CDialog() {
  // A modeless dialog whose owner forgot it: its window must not outlive the object.
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    ::DestroyWindow(hWnd);
  }
}

CDialog* CDialog::FromDialogHandle(HWND hWnd) {
  if (!hWnd || !::IsWindow(hWnd)) return nullptr;
  if (::GetWindowLongPtrW(hWnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&CDialog::DialogProc))
    return nullptr;
  return reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
}

BOOL CDialog::Create(HWND hParent) {
  if (m_hWnd) return FALSE;
  m_bModal = false;
  HWND hWnd = ::CreateDialogParamW(CWinApp::ResourceInstance(), MAKEINTRESOURCEW(m_nIdTemplate), hParent,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  return hWnd != nullptr;
}

INT_PTR CDialog::DoModal(HWND hOwner) {
  if (m_hWnd) return -1;
  if (!hOwner) {
    CWinApp* app = CWinApp::Current();
    HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    if (main && ::IsWindow(main) && ::GetWindowThreadProcessId(main, nullptr) == ::GetCurrentThreadId())
      hOwner = main;
  }
  if (hOwner) hOwner = ::GetAncestor(hOwner, GA_ROOT);

  m_bModal = true;
  m_bEndModal = false;
  m_nModalResult = -1;
  HWND hWnd = ::CreateDialogParamW(CWinApp::ResourceInstance(), MAKEINTRESOURCEW(m_nIdTemplate), hOwner,
                                   &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!hWnd) {
    m_bModal = false;
    return -1;
  }
  // The owner stays usable if the dialog ended already in its initialisation.
  bool ownerDisabled = false;
  if (!m_bEndModal && hOwner && ::IsWindowEnabled(hOwner)) {
    ::EnableWindow(hOwner, FALSE);
    ownerDisabled = true;
  }
  INT_PTR result = RunModalLoop();
  // Re-enable the owner before the dialog goes, so activation returns to it.
  if (ownerDisabled) ::EnableWindow(hOwner, TRUE);
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    ::DestroyWindow(m_hWnd);
  }
  m_bModal = false;
  return result;
}

INT_PTR CDialog::RunModalLoop() {
  if (!m_bEndModal && m_hWnd && !::IsWindowVisible(m_hWnd)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
  MSG msg;
  while (!m_bEndModal) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT ends the run; pass it on to the loop that encloses this one.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!m_hWnd) break;  // destroyed from inside
    // From the target window up to this dialog, each framework window may take the message.
    BOOL handled = FALSE;
    for (HWND h = msg.hwnd; h && !handled; h = (h == m_hWnd) ? nullptr : ::GetParent(h)) {
      if (CWnd* wnd = CWnd::FromHandlePermanent(h)) handled = wnd->PreTranslateMessage(&msg);
      if (h == m_hWnd) break;
    }
    if (!handled) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR result) {
  if (m_bModal) {
    m_nModalResult = result;
    m_bEndModal = true;
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
  } else if (m_hWnd) {
    ::DestroyWindow(m_hWnd);
  }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd)
    return ::IsDialogMessageW(m_hWnd, pMsg);
  return FALSE;
}

BOOL CDialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

void CDialog::OnOK() {
  DoDataExchange();
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DDX_Control(int id, CWnd& control) {
  if (control.m_hWnd) return;
  control.SubclassDlgItem(static_cast<UINT>(id), m_hWnd);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ExceptionBarrier<INT_PTR>(FALSE, [&]() -> INT_PTR {
    CDialog* self = nullptr;
    if (uMsg == WM_INITDIALOG) {
      self = reinterpret_cast<CDialog*>(lParam);
      ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
      self->m_hWnd = hWnd;
      self->OnCreate();
      return self->OnInitDialog();
    }
    // Messages such as WM_SETFONT arrive before WM_INITDIALOG, when there is no object yet.
    self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!self) return FALSE;

    LRESULT lResult = 0;
    BOOL handled = self->RouteMessage(hWnd, uMsg, wParam, lParam, lResult);
    if (uMsg == WM_NCDESTROY) {
      ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
      self->m_hWnd = nullptr;
      self->OnFinalMessage();
      return FALSE;
    }
    if (!handled) return FALSE;
    if (ReturnsDirectly(uMsg)) return static_cast<INT_PTR>(lResult);
    ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
  });
}

}  // namespace fw
