#include "driver/ApplicationDlg.h"

#include <shellapi.h>

#include "app/ApplicationApp.h"
#include "driver/AboutDlg.h"
#include "lang/TranslateWindow.h"

CApplicationDlg::CApplicationDlg() : CTDialog(IDD_APPLICATION_DIALOG) {
  // The first icon of the skin's icon file; without one the window simply has none.
  HICON icon = ::ExtractIconW(fw::CWinApp::ResourceInstance(), theApp.m_strSkinIcon.c_str(), 0);
  if (icon && icon != reinterpret_cast<HICON>(1)) m_icon.Reset(icon);
  m_hIcon = m_icon.Get();
}

CApplicationDlg::~CApplicationDlg() = default;

void CApplicationDlg::DoDataExchange() {
  DDX_Control(IDC_BTN_CLOSE, m_btnClose);
  DDX_Control(IDC_LBL_TITLE, m_lblTitle);
}

BOOL CApplicationDlg::OnInitDialog() {
  CTDialog::OnInitDialog();

  // The About entry at the end of the system menu.
  if (HMENU sysMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
    wchar_t about[256] = {};
    if (::LoadStringW(fw::CWinApp::ResourceInstance(), IDS_ABOUTBOX, about, 256) > 0) {
      ::AppendMenuW(sysMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuW(sysMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  TranslateWindow(m_hWnd);
  LoadBackground(theApp.m_strSkinMainBack);
  m_bDrag = 1;
  m_nFilletRadius = theApp.m_nFilletRadian;
  // Set after the translation: the title names the taskbar button and is never translated.
  SetWindowText(theApp.m_strSetupTitle);
  theApp.m_hMainWnd = m_hWnd;

  // Centre on the screen (the main window has no owner).
  RECT rect;
  GetWindowRect(&rect);
  RECT work;
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  SetWindowPos(nullptr, work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  // No pressed image: the pressed state shows the hover image.
  m_btnClose.SetImages(theApp.m_strSkinCloseNormal, theApp.m_strSkinCloseMove, L"");
  theApp.ApplyBlackLabelLook(m_lblTitle);
  m_lblTitle.SetTextFont(m_lblTitle.m_nFontHeight, 700, m_lblTitle.m_strFontFace);
  return TRUE;
}

LRESULT CApplicationDlg::OnSysCommand(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
  if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about;
    about.DoModal(m_hWnd);
    return 0;
  }
  bHandled = FALSE;  // the system's own handling (its close command arrives as WM_CLOSE)
  return 0;
}

LRESULT CApplicationDlg::OnPaint(UINT, WPARAM, LPARAM, BOOL& bHandled) {
  if (!::IsIconic(m_hWnd)) return CTDialog::OnPaint(WM_PAINT, 0, 0, bHandled);
  fw::CPaintDC dc(m_hWnd);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
  RECT client;
  GetClientRect(&client);
  int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  if (m_hIcon) ::DrawIcon(dc.Get(), x, y, m_hIcon);
  return 0;
}

LRESULT CApplicationDlg::OnQueryDragIcon(UINT, WPARAM, LPARAM, BOOL&) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT CApplicationDlg::OnClose(UINT, WPARAM, LPARAM, BOOL&) {
  OnExit();
  return 0;
}

LRESULT CApplicationDlg::OnExitCommand(WORD, WORD, HWND, BOOL&) {
  OnExit();
  return 0;
}

void CApplicationDlg::OnExit() { EndDialog(IDOK); }
