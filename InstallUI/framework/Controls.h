// Thin wrappers over the standard controls the dialogs bind. Each is a CWnd, so a derived
// skinned control adds its own message map and chains to these.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "framework/Handles.h"
#include "framework/Window.h"

namespace fw {

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int AddString(const std::wstring& text) const {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  int InsertString(int index, const std::wstring& text) const {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
  }
  int DeleteString(int index) const { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
  std::wstring GetItemText(int index) const;
};

class CRichEditCtrl : public CWnd {
 public:
  COLORREF SetBackgroundColor(COLORREF colour) const {
    return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour)));
  }
};

// A menu loaded from the resources (owned) or borrowed from elsewhere (a submenu).
class CMenu {
 public:
  CMenu() = default;
  BOOL LoadMenu(UINT id);
  HMENU GetSafeHmenu() const { return m_owned ? m_owned.Get() : m_hBorrowed; }
  HMENU GetSubMenu(int position) const { return ::GetSubMenu(GetSafeHmenu(), position); }

 private:
  CMenuHandle m_owned;
  HMENU m_hBorrowed = nullptr;
};

}  // namespace fw
