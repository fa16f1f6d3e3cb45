#include "dialog.h"

#include <vector>

#include "app.h"

VT_IMPLEMENT_DYNAMIC(CDialog, CWnd)

VT_BEGIN_MESSAGE_MAP(CDialog, CWnd)
  VT_ON_COMMAND(IDOK, OnOK)
  VT_ON_COMMAND(IDCANCEL, OnCancel)
VT_END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_hParentWnd(parent ? parent->GetSafeHwnd() : nullptr) {}

INT_PTR CDialog::DoModal() {
  HWND parent = m_hParentWnd;
  if (!parent && AfxGetApp() && AfxGetApp()->m_pMainWnd)
    parent = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
  HINSTANCE module = m_hResource ? m_hResource : AfxGetResourceHandle();
  return ::DialogBoxParamA(module, MAKEINTRESOURCEA(m_nIDHelp), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;  // the subclassed object has seen it already
  CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
  if (!dialog || !dialog->SubclassWindow(hwnd)) return TRUE;
  return dialog->OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::UpdateData(BOOL saving) {
  CDataExchange dx(this, saving);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

std::string CDialog::GetDlgItemText(int id) const {
  HWND control = ::GetDlgItem(m_hWnd, id);
  const int n = control ? ::GetWindowTextLengthA(control) : 0;
  std::vector<char> text(static_cast<size_t>(n) + 1, '\0');
  if (control) ::GetWindowTextA(control, text.data(), n + 1);
  return text.data();
}

HWND CDataExchange::Control(int id) const { return ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), id); }

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  if (dx->m_bSaveAndValidate)
    value = dx->m_pDlgWnd->GetDlgItemText(id);
  else
    ::SetWindowTextA(dx->Control(id), value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  std::string text = static_cast<const char*>(value);
  DDX_Text(dx, id, text);
  if (dx->m_bSaveAndValidate) value = text;
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageA(dx->Control(id), BM_GETCHECK, 0, 0));
  else
    ::SendMessageA(dx->Control(id), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value) {
  HWND dialog = dx->m_pDlgWnd->GetSafeHwnd();
  HWND first = dx->Control(firstId);
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (HWND button = first; button; ++index) {
    if (dx->m_bSaveAndValidate) {
      if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    button = ::GetNextDlgGroupItem(dialog, button, FALSE);
    if (button == first) break;
  }
}
