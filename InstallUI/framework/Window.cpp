#include "framework/Window.h"

#include <commctrl.h>

#include "framework/Dialog.h"
#include "framework/SystemLibrary.h"

namespace fw {

namespace {
// One subclass id for every bound window: the reference data is the object.
constexpr UINT_PTR kSubclassId = 0x46570001;

// GetWindowSubclass from the comctl32 the program is bound to (the x86_64 import library lacks
// it; comctl32 exports it as ordinal 411 too). InitCommonControlsEx is declared as an import, so
// its address is the function itself in that very comctl32, the version-6 one the manifest
// selects, whose subclass table SetWindowSubclass fills.
BOOL GetBoundSubclass(HWND hWnd, SUBCLASSPROC proc, DWORD_PTR* refData) {
  using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
  static const auto getWindowSubclass = reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(
      LoadedModuleFunction(reinterpret_cast<const void*>(&::InitCommonControlsEx), "GetWindowSubclass", 411)));
  return getWindowSubclass && getWindowSubclass(hWnd, proc, kSubclassId, refData);
}
}  // namespace

CWnd::~CWnd() {
  // The object may go before its window: stop routing to it.
  UnsubclassWindow();
}

BOOL CWnd::ProcessWindowMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) { return FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (m_hWnd || !hWnd || !::IsWindow(hWnd)) return FALSE;
  if (FromHandlePermanent(hWnd)) return FALSE;  // already bound to another object
  if (!::SetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return FALSE;
  m_hWnd = hWnd;
  m_bSubclassed = true;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, HWND hParent) {
  return SubclassWindow(::GetDlgItem(hParent, static_cast<int>(id)));
}

void CWnd::UnsubclassWindow() {
  if (!m_bSubclassed) return;
  if (m_hWnd && ::IsWindow(m_hWnd)) ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
  m_bSubclassed = false;
  m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  DWORD_PTR ref = 0;
  if (GetBoundSubclass(hWnd, &CWnd::SubclassProc, &ref) && ref)
    return reinterpret_cast<CWnd*>(ref);
  return CDialog::FromDialogHandle(hWnd);
}

LRESULT CWnd::DefaultProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (m_bSubclassed && m_hWnd) return ::DefSubclassProc(m_hWnd, uMsg, wParam, lParam);
  return 0;
}

std::wstring CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthW(m_hWnd);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = ::GetWindowTextW(m_hWnd, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void CWnd::ModifyStyle(LONG_PTR remove, LONG_PTR add) const {
  LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~remove) | add);
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
  if (ReflectNotification(uMsg, wParam, lParam, lResult)) return TRUE;
  return ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult);
}

BOOL ReflectNotification(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
  HWND hChild = nullptr;
  if (uMsg == WM_COMMAND || IsCtlColorMessage(uMsg)) {
    hChild = reinterpret_cast<HWND>(lParam);  // null for menu and accelerator commands
  } else if (uMsg == WM_NOTIFY && lParam) {
    hChild = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
  } else if (uMsg == WM_DRAWITEM && lParam) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item->CtlType != ODT_MENU) hChild = item->hwndItem;
  }
  CWnd* child = CWnd::FromHandlePermanent(hChild);
  if (!child) return FALSE;
  return child->ProcessWindowMessage(hChild, OCM_BASE + uMsg, wParam, lParam, lResult);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData) {
  return ExceptionBarrier<LRESULT>(0, [&]() -> LRESULT {
    CWnd* self = reinterpret_cast<CWnd*>(refData);
    LRESULT lResult = 0;
    BOOL handled = self->RouteMessage(hWnd, uMsg, wParam, lParam, lResult);
    if (uMsg == WM_NCDESTROY) {
      // Last message: unbind first, then let the window finish its own destruction.
      ::RemoveWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId);
      self->m_bSubclassed = false;
      self->m_hWnd = nullptr;
      LRESULT result = handled ? lResult : ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
      self->OnFinalMessage();
      return result;
    }
    return handled ? lResult : ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
  });
}

}  // namespace fw
