// Modal dialogs from dialog templates, with dialog data exchange. The dialog
// window is subclassed on WM_INITDIALOG, so its messages go through the
// message maps like any CWnd's; what no map lists goes to the system's
// dialog procedure. The dialog's own map sends OK and Cancel to the virtual
// OnOK and OnCancel.
#pragma once
#include <windows.h>

#include <string>

#include "wnd.h"

class CDialog;

// Moves values between controls and members; `saving` is TRUE when the
// controls are read.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saving) : m_pDlgWnd(dialog), m_bSaveAndValidate(saving) {}
  HWND Control(int id) const;
  // Marks the exchange failed (a value did not pass its check).
  void Fail() { m_bFailed = TRUE; }

  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
  BOOL m_bFailed = FALSE;
};

void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked button in a group that starts at `firstId`.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);

class CDialog : public CWnd {
  VT_DECLARE_DYNAMIC(CDialog)
 public:
  explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

  // Runs the dialog modally; its result (EndDialog), or -1 when the
  // template could not be loaded.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* dx) {}
  void EndDialog(INT_PTR result);
  // Controls to members (saving) or members to controls.
  BOOL UpdateData(BOOL saving = TRUE);

  void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
  std::string GetDlgItemText(int id) const;

  UINT m_nIDHelp;          // the template id
  HWND m_hParentWnd = nullptr;
  HINSTANCE m_hResource = nullptr;  // where the template lives; default: the program's resources

  VT_DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
