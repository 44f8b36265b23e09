#include "framework/Controls.h"

#include "framework/App.h"

namespace fw {

std::wstring CComboBox::GetItemText(int index) const {
  LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR || length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got == CB_ERR || got < 0 ? 0 : static_cast<size_t>(got));
  return text;
}

BOOL CMenu::LoadMenu(UINT id) {
  m_owned.Reset(::LoadMenuW(CWinApp::ResourceInstance(), MAKEINTRESOURCEW(id)));
  return static_cast<bool>(m_owned);
}

}  // namespace fw
