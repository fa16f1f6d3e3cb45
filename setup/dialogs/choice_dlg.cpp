#include "setup/dialogs/choice_dlg.h"

#include "core/wizard/choice_option.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

VT_BEGIN_MESSAGE_MAP(CChoiceDlg, CSetupDialog)
  VT_ON_COMMAND_RANGE(IDC_CHOICE_OPTION0, IDC_CHOICE_OPTION4, OnOption)
VT_END_MESSAGE_MAP()

CChoiceDlg::CChoiceDlg(UINT headingId, CWnd* parent, UINT option1, UINT option2, UINT option3,
                       UINT option4, UINT option5)
    : CSetupDialog(IDD_CHOICE, parent), m_strHeading(LoadResString(headingId)) {
  const UINT ids[kMaxOptions] = {option1, option2, option3, option4, option5};
  for (int i = 0; i < kMaxOptions; ++i)
    if (ids[i]) m_strOptions[i] = LoadResString(ids[i]);
}

int CChoiceDlg::Choose() { return DoModal() == IDOK ? m_nSelection : -1; }

void CChoiceDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_CHOICE_HEADING, m_strHeading);
  DDX_Text(dx, IDC_CHOICE_DESCRIPTION, m_strDescription);
  DDX_Radio(dx, IDC_CHOICE_OPTION0, m_nSelection);
}

BOOL CChoiceDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  for (int slot = 0; slot < kMaxOptions && !m_strOptions[slot].empty(); ++slot) {
    ChoiceOption option = SplitChoiceOption(m_strOptions[slot]);
    m_strOptions[slot] = option.description;
    HWND button = GetDlgItem(IDC_CHOICE_OPTION0 + slot);
    ::SetWindowTextA(button, option.caption.c_str());
    ::EnableWindow(button, TRUE);
    ::ShowWindow(button, SW_SHOW);
  }
  m_strDescription = m_strOptions[0];
  UpdateData(FALSE);
  return TRUE;
}

void CChoiceDlg::OnOption(UINT id) {
  const int slot = static_cast<int>(id - IDC_CHOICE_OPTION0);
  m_strDescription = m_strOptions[slot];
  m_nSelection = slot;
  UpdateData(FALSE);
  ::CheckRadioButton(m_hWnd, IDC_CHOICE_OPTION0, IDC_CHOICE_OPTION4, static_cast<int>(id));
  Default();
}
