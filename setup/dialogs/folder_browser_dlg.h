// The folder browser (template 119): a tree of the computer's drives and
// folders, read as the user opens branches, from which a folder is picked.
// Every item carries 1 while its children are unread (and then has one
// "Dummy" child, so that it shows as expandable) and 0 once read. Hidden,
// system and temporary folders are left out.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "setup/dialogs/setup_dialog.h"

class CFolderBrowserDlg : public CSetupDialog {
 public:
  enum Mode { kPickFile = 0, kPickFolder = 1 };
  // Tree pictures, by index in bitmap 120.
  enum Image { kImageRoot = 0, kImageDrive = 1, kImageFolder = 2, kImageOpenFolder = 3 };

  CFolderBrowserDlg(int mode, const std::string& initialPath, CWnd* parent);
  ~CFolderBrowserDlg() override;

  // Runs the browser; after OK the chosen path ("c:\" for a drive,
  // "c:\WINDOWS\" for a folder) goes into `result`. TRUE when it is not
  // empty.
  static BOOL Browse(int mode, std::string& result, const std::string& initialPath, CWnd* parent);

  // The text of a tree item.
  static std::string ItemText(HWND tree, HTREEITEM item);

  BOOL OnInitDialog() override;
  // Only a drive or a folder ends the dialog; the root or nothing keeps it.
  void OnOK() override;

  int m_nMode;
  std::string m_strInitialPath;  // kept; the tree opens at the drives
  std::string m_strPath;         // the result

 protected:
  void OnItemExpanding(NMHDR* header, LRESULT* result);
  LRESULT OnCtlColorListBox(WPARAM dc, LPARAM);
  VT_DECLARE_MESSAGE_MAP()

  HTREEITEM Insert(HTREEITEM parent, const char* text, int image, int selectedImage, bool unread);
  std::string PathOf(HTREEITEM item) const;
  // Reads the folders under an unread item; FALSE when it has none.
  bool ReadChildren(HTREEITEM item);
  HWND Tree() const;

  HTREEITEM m_hRoot = nullptr;
  HIMAGELIST m_hImages = nullptr;
};
