// Window objects: a C++ object attached to its HWND, one message-map mechanism for messages,
// commands by id and notifications reflected back to the control that sent them.
//
// A control is bound to its object by subclassing (SetWindowSubclass with the object as the
// reference data); a dialog keeps its object in DWLP_USER (see Dialog.h). Both routes end in
// CWnd::RouteMessage, so every window of the program is dispatched the same way.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Notifications a parent reflects back to the bound control that sent them: the control
// handles OCM_BASE + the original message with the original wParam and lParam.
constexpr UINT OCM_BASE = WM_USER + 0x1C00;

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  operator HWND() const { return m_hWnd; }

  // The message map. Returns TRUE when an entry handled the message; lResult then holds the
  // result. Derived classes write it with the BEGIN_MSG_MAP macros below.
  virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                    LRESULT& lResult);

  // Binding: subclasses an existing window into this object until the window is destroyed or
  // the object goes away, whichever comes first.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT id, HWND hParent);
  void UnsubclassWindow();
  bool IsSubclassed() const { return m_bSubclassed; }

  // The object bound to a window of this program (subclassed control or framework dialog).
  static CWnd* FromHandlePermanent(HWND hWnd);

  // Default processing of the current message for a subclassed window (the window's own
  // procedure). Dialogs get theirs by leaving a message unhandled.
  LRESULT DefaultProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

  // Called for each message taken from the queue of a modal loop, from the target window up
  // to the modal dialog. Return TRUE when the message was handled and must not be dispatched.
  virtual BOOL PreTranslateMessage(MSG* pMsg);

  // Thin helpers over the window's handle.
  BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
  BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  void SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }
  std::wstring GetWindowText() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  BOOL Invalidate(BOOL bErase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, bErase); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
  void ModifyStyle(LONG_PTR remove, LONG_PTR add) const;
  LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
  }
  BOOL PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
  }
  BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
  }
  BOOL DestroyWindow();

 protected:
  // Routes one message: reflected notifications to the sending child first, then this
  // object's map. Returns TRUE when handled.
  BOOL RouteMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

  // The window has received its last message; the object no longer has a window.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR idSubclass, DWORD_PTR refData);
  bool m_bSubclassed = false;
};

// Runs `body` and turns any exception into `fallback`: nothing may unwind through the system's
// frames of a window, dialog or thread procedure.
template <typename R, typename F>
R ExceptionBarrier(R fallback, F&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a control asking its parent for its colours.
inline bool IsCtlColorMessage(UINT uMsg) { return uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC; }

// Reflects WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* to the bound child that sent
// them. Returns TRUE when the child handled the reflected message.
BOOL ReflectNotification(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

}  // namespace fw

// ---- Message map macros -------------------------------------------------------------------
// BEGIN_MSG_MAP(CMyDialog)
//   MESSAGE_HANDLER(WM_PAINT, OnPaint)        LRESULT OnPaint(UINT, WPARAM, LPARAM, BOOL& bHandled)
//   COMMAND_ID_HANDLER(1001, OnClose)         LRESULT OnClose(WORD code, WORD id, HWND ctl, BOOL& bHandled)
//   REFLECTED_MESSAGE_HANDLER(WM_CTLCOLORSTATIC, OnCtlColor)   same signature as MESSAGE_HANDLER
//   CHAIN_MSG_MAP(CBase)
// END_MSG_MAP()
// A handler is taken as handled unless it clears bHandled; an unhandled message goes on down
// the map and to the base class's map, then to default processing.
#define BEGIN_MSG_MAP(theClass)                                                               \
 public:                                                                                      \
  BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,               \
                            LRESULT& lResult) override {                                      \
    BOOL bHandled = TRUE;                                                                     \
    (void)hWnd;                                                                               \
    (void)bHandled;

#define MESSAGE_HANDLER(msg, func)                                                            \
  if (uMsg == (msg)) {                                                                        \
    bHandled = TRUE;                                                                          \
    lResult = func(uMsg, wParam, lParam, bHandled);                                           \
    if (bHandled) return TRUE;                                                                \
  }

#define COMMAND_ID_HANDLER(id, func)                                                          \
  if (uMsg == WM_COMMAND && LOWORD(wParam) == (id)) {                                         \
    bHandled = TRUE;                                                                          \
    lResult = func(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), bHandled); \
    if (bHandled) return TRUE;                                                                \
  }

#define COMMAND_HANDLER(id, code, func)                                                       \
  if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {             \
    bHandled = TRUE;                                                                          \
    lResult = func(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), bHandled); \
    if (bHandled) return TRUE;                                                                \
  }

#define REFLECTED_MESSAGE_HANDLER(msg, func) MESSAGE_HANDLER(::fw::OCM_BASE + (msg), func)

#define CHAIN_MSG_MAP(baseClass)                                                              \
  if (baseClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult)) return TRUE;

#define END_MSG_MAP()                                                                         \
  return FALSE;                                                                               \
  }
