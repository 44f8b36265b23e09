// Dialogs built from a template of the program's resources: modal runs with a modal loop of our
// own (so PreTranslateMessage sees every key before the dialog manager does) and modeless child
// dialogs (the wizard pages).
#pragma once

#include <windows.h>

#include "framework/Window.h"

namespace fw {

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT idTemplate) : m_nIdTemplate(idTemplate) {}
  ~CDialog() override;

  // Creates the dialog, disables its owner, runs until EndDialog and returns its result
  // (-1 when the template cannot be created). With no owner given, the application's main
  // window is the owner when it belongs to this thread.
  INT_PTR DoModal(HWND hOwner = nullptr);
  // Creates the dialog modeless, as a child or owned window of hParent.
  BOOL Create(HWND hParent);
  // Ends a modal run with `result`; a modeless dialog is destroyed instead.
  void EndDialog(INT_PTR result);

  UINT GetTemplateId() const { return m_nIdTemplate; }

  // The object of a framework dialog, or null when hWnd is not one.
  static CDialog* FromDialogHandle(HWND hWnd);

  // Keyboard navigation of the dialog manager; derived dialogs may filter keys first.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // The dialog initialisation: runs the data-exchange step; returns TRUE to let the system set
  // the default focus.
  virtual BOOL OnInitDialog();
  // Binds the controls to their objects (DDX_Control).
  virtual void DoDataExchange() {}
  // Runs once the window exists, before OnInitDialog (the dialog's creation hook).
  virtual void OnCreate() {}
  // IDOK: data exchange, then the end of the run with 1. IDCANCEL: the end with 2.
  virtual void OnOK();
  virtual void OnCancel();

  BEGIN_MSG_MAP(CDialog)
    COMMAND_ID_HANDLER(IDOK, OnCommandOK)
    COMMAND_ID_HANDLER(IDCANCEL, OnCommandCancel)
  END_MSG_MAP()

  // Binds the control `id` of this dialog to `control` (once; later calls do nothing).
  void DDX_Control(int id, CWnd& control);

 private:
  LRESULT OnCommandOK(WORD, WORD, HWND, BOOL&) { OnOK(); return 0; }
  LRESULT OnCommandCancel(WORD, WORD, HWND, BOOL&) { OnCancel(); return 0; }
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  INT_PTR RunModalLoop();

  UINT m_nIdTemplate;
  bool m_bModal = false;
  bool m_bEndModal = false;
  INT_PTR m_nModalResult = -1;
};

}  // namespace fw
