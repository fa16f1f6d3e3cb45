// The maintenance choice (template 165): a heading and up to five options,
// each a radio button whose longer description shows in the frame below
// while it is picked. Options are string resources "caption^description";
// the first missing one ends the list, and the buttons of missing options
// stay hidden and disabled.
#pragma once
#include <string>

#include "setup/dialogs/setup_dialog.h"

class CChoiceDlg : public CSetupDialog {
 public:
  static constexpr int kMaxOptions = 5;

  // Heading and option string numbers; options 3 to 5 may be 0 for none.
  CChoiceDlg(UINT headingId, CWnd* parent, UINT option1, UINT option2, UINT option3 = 0,
             UINT option4 = 0, UINT option5 = 0);

  // Runs the dialog: the index of the chosen option after OK, else -1.
  int Choose();

  BOOL OnInitDialog() override;

  std::string m_strHeading;
  std::string m_strDescription;
  int m_nSelection = 0;
  // The options as loaded; after initialisation each holds its description.
  std::string m_strOptions[kMaxOptions];

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  void OnOption(UINT id);
  VT_DECLARE_MESSAGE_MAP()
};
