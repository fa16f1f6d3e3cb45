#include "setup/dialogs/setup_dialog.h"

#include "framework/app.h"
#include "setup/res/resource.h"

CSetupDialog::CSetupDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SETUP))) {}

BOOL CSetupDialog::OnInitDialog() {
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  return CDialog::OnInitDialog();
}
