#include "setup/dialogs/software_dlg.h"

#include "core/config/software_list.h"
#include "framework/app.h"
#include "setup/res/resource.h"

VT_BEGIN_MESSAGE_MAP(C3PIDlg, CSetupDialog)
  VT_ON_CONTROL(LBN_SELCHANGE, IDC_SOFTWARE_LIST, OnSelChange)
  VT_ON_COMMAND(IDC_SOFTWARE_ALL, OnSelectAll)
  VT_ON_COMMAND(IDC_SOFTWARE_NONE, OnUnselectAll)
  VT_ON_MESSAGE(WM_MEASUREITEM, OnMeasureItem)
  VT_ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
VT_END_MESSAGE_MAP()

C3PIDlg::C3PIDlg(CWnd* parent, const std::vector<std::string>& list, std::map<std::string, int>& states)
    : CSetupDialog(IDD_SOFTWARE, parent), m_list(list), m_states(states) {}

void C3PIDlg::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_SOFTWARE_DESCRIPTION, m_strDescription); }

int C3PIDlg::StateOf(const std::string& name) const {
  const auto found = m_states.find(name);
  return found == m_states.end() ? kNoSoftwareState : found->second;
}

BOOL C3PIDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  m_checkList.SubclassDlgItem(IDC_SOFTWARE_LIST, this);
  for (const std::string& entry : m_list) {
    const std::string name = SoftwareName(entry);
    const int state = StateOf(name);
    if (state == SW_ALWAYS || state == kNoSoftwareState) continue;
    const int line = m_checkList.AddString(name);
    if (line >= 0) m_checkList.SetCheck(line, state == SW_SELECTED);
  }
  m_checkList.SetCurSel(0);
  ShowDescriptionOf(0);
  return TRUE;
}

void C3PIDlg::ShowDescriptionOf(int line) {
  m_strDescription.clear();
  if (line >= 0 && line < m_checkList.GetCount()) {
    const std::string name = m_checkList.GetText(line);
    for (const std::string& entry : m_list)
      if (SoftwareName(entry) == name) {
        m_strDescription = SoftwareDescription(entry);
        break;
      }
  }
  UpdateData(FALSE);
}

void C3PIDlg::OnSelChange() { ShowDescriptionOf(m_checkList.GetCurSel()); }

void C3PIDlg::OnSelectAll() {
  for (int i = 0; i < m_checkList.GetCount(); ++i)
    if (!m_checkList.GetCheck(i) && StateOf(m_checkList.GetText(i)) != kNoSoftwareState) m_checkList.SetCheck(i, 1);
}

void C3PIDlg::OnUnselectAll() {
  for (int i = 0; i < m_checkList.GetCount(); ++i) m_checkList.SetCheck(i, 0);
}

void C3PIDlg::OnOK() {
  bool anyChecked = false;
  for (int i = 0; i < m_checkList.GetCount(); ++i) {
    const std::string name = m_checkList.GetText(i);
    if (m_checkList.GetCheck(i)) {
      m_states[name] = SW_SELECTED;
      anyChecked = true;
    } else if (StateOf(name) != SW_DONE) {
      m_states[name] = SW_NOT_SELECTED;
    }
  }
  if (anyChecked) {
    EndDialog(IDOK);
    return;
  }
  AfxMessageBox("You have not selected anything to install.", MB_OK);
}

LRESULT C3PIDlg::OnMeasureItem(WPARAM, LPARAM item) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(item);
  if (measure->CtlID != IDC_SOFTWARE_LIST) return Default();
  CCheckListBox::Measure(measure);
  return TRUE;
}

LRESULT C3PIDlg::OnDrawItem(WPARAM, LPARAM item) {
  const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(item);
  if (draw->CtlID != IDC_SOFTWARE_LIST || !m_checkList.GetSafeHwnd()) return Default();
  m_checkList.Draw(draw);
  return TRUE;
}
