// The additional software dialog (template 129): the items of the software
// list that can be chosen, each with a check box, the selected item's
// description, Select All / Unselect All. OK writes the choice into the
// states (an installed item left unchecked stays installed) and needs at
// least one item checked; Cancel changes nothing.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "setup/dialogs/check_list.h"
#include "setup/dialogs/setup_dialog.h"

class C3PIDlg : public CSetupDialog {
 public:
  C3PIDlg(CWnd* parent, const std::vector<std::string>& list, std::map<std::string, int>& states);
  BOOL OnInitDialog() override;
  void OnOK() override;

  std::string m_strDescription;  // shown in 1022

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnSelChange();
  void OnSelectAll();
  void OnUnselectAll();
  LRESULT OnMeasureItem(WPARAM, LPARAM item);
  LRESULT OnDrawItem(WPARAM, LPARAM item);
  VT_DECLARE_MESSAGE_MAP()

  // The state of a name, or -1 when it has none.
  int StateOf(const std::string& name) const;
  void ShowDescriptionOf(int line);

  const std::vector<std::string>& m_list;
  std::map<std::string, int>& m_states;
  CCheckListBox m_checkList;
};
