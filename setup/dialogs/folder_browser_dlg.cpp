#include "setup/dialogs/folder_browser_dlg.h"

#include <vector>

#include "framework/app.h"
#include "setup/res/resource.h"

namespace {

constexpr COLORREF kTreeClear = RGB(255, 0, 0);  // pure red
constexpr DWORD kSkippedAttributes =
    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY;

LPARAM ItemValue(HWND tree, HTREEITEM item) {
  TVITEMA tv{};
  tv.mask = TVIF_HANDLE | TVIF_PARAM;
  tv.hItem = item;
  TreeView_GetItem(tree, &tv);
  return tv.lParam;
}

void SetItemValue(HWND tree, HTREEITEM item, LPARAM value) {
  TVITEMA tv{};
  tv.mask = TVIF_HANDLE | TVIF_PARAM;
  tv.hItem = item;
  tv.lParam = value;
  TreeView_SetItem(tree, &tv);
}

}  // namespace

VT_BEGIN_MESSAGE_MAP(CFolderBrowserDlg, CSetupDialog)
  VT_ON_NOTIFY(TVN_ITEMEXPANDINGA, IDC_BROWSE_TREE, OnItemExpanding)
  VT_ON_NOTIFY(TVN_ITEMEXPANDINGW, IDC_BROWSE_TREE, OnItemExpanding)
  VT_ON_MESSAGE(WM_CTLCOLORLISTBOX, OnCtlColorListBox)
VT_END_MESSAGE_MAP()

CFolderBrowserDlg::CFolderBrowserDlg(int mode, const std::string& initialPath, CWnd* parent)
    : CSetupDialog(IDD_FOLDER_BROWSER, parent), m_nMode(mode), m_strInitialPath(initialPath) {}

CFolderBrowserDlg::~CFolderBrowserDlg() {
  if (m_hImages) ImageList_Destroy(m_hImages);
}

HWND CFolderBrowserDlg::Tree() const { return GetDlgItem(IDC_BROWSE_TREE); }

BOOL CFolderBrowserDlg::Browse(int mode, std::string& result, const std::string& initialPath,
                               CWnd* parent) {
  CFolderBrowserDlg dialog(mode, initialPath, parent);
  if (dialog.DoModal() == IDOK) result = dialog.m_strPath;
  return !result.empty();
}

HTREEITEM CFolderBrowserDlg::Insert(HTREEITEM parent, const char* text, int image,
                                    int selectedImage, bool unread) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = parent ? TVI_LAST : TVI_ROOT;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text);
  insert.item.iImage = image;
  insert.item.iSelectedImage = selectedImage;
  insert.item.lParam = unread ? 1 : 0;
  HTREEITEM item = TreeView_InsertItem(Tree(), &insert);
  // The placeholder that makes an unread item expandable.
  if (item && unread) Insert(item, "Dummy", kImageFolder, kImageOpenFolder, false);
  return item;
}

BOOL CFolderBrowserDlg::OnInitDialog() {
  CSetupDialog::OnInitDialog();
  SetWindowText(m_nMode == kPickFolder ? "Select a folder..." : "Select a file...");
  m_hImages = ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_TREE), 16, 1,
                                   kTreeClear, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  TreeView_SetImageList(Tree(), m_hImages, TVSIL_NORMAL);
  m_hRoot = Insert(nullptr, "My Computer", kImageRoot, kImageRoot, false);

  // The system lists the drives into the hidden list box as "[-c-]".
  char pattern[MAX_PATH] = "*.*";
  DlgDirListA(m_hWnd, pattern, IDC_BROWSE_DRIVES, 0, DDL_DRIVES | DDL_EXCLUSIVE);
  const int count = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_BROWSE_DRIVES, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char entry[64] = "";
    if (SendDlgItemMessageA(m_hWnd, IDC_BROWSE_DRIVES, LB_GETTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof entry))
      continue;
    SendDlgItemMessageA(m_hWnd, IDC_BROWSE_DRIVES, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
    if (entry[0] != '[' || entry[1] != '-' || !entry[2]) continue;
    char letter = entry[2];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    const char drive[] = {letter, ':', '\0'};
    Insert(m_hRoot, drive, kImageDrive, kImageDrive, true);
  }
  TreeView_Expand(Tree(), m_hRoot, TVE_EXPAND);
  SendDlgItemMessageA(m_hWnd, IDC_BROWSE_DRIVES, LB_RESETCONTENT, 0, 0);
  return TRUE;
}

std::string CFolderBrowserDlg::ItemText(HWND tree, HTREEITEM item) {
  char text[MAX_PATH] = "";
  TVITEMA tv{};
  tv.mask = TVIF_HANDLE | TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  TreeView_GetItem(tree, &tv);
  return text;
}

std::string CFolderBrowserDlg::PathOf(HTREEITEM item) const {
  std::string path;
  for (; item && item != m_hRoot; item = TreeView_GetParent(Tree(), item))
    path = ItemText(Tree(), item) + "\\" + path;
  return path;
}

bool CFolderBrowserDlg::ReadChildren(HTREEITEM item) {
  std::string pattern = m_strPath = PathOf(item);
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  pattern += "*.*";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  const HTREEITEM dummy = TreeView_GetChild(Tree(), item);
  int inserted = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (!lstrcmpA(found.cFileName, ".") || !lstrcmpA(found.cFileName, "..")) continue;
    if (found.dwFileAttributes & kSkippedAttributes) continue;
    Insert(item, found.cFileName, kImageFolder, kImageOpenFolder, true);
    ++inserted;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  if (!inserted) return false;
  if (dummy) TreeView_DeleteItem(Tree(), dummy);
  SetItemValue(Tree(), item, 0);
  TreeView_SortChildren(Tree(), item, FALSE);
  return true;
}

void CFolderBrowserDlg::OnItemExpanding(NMHDR* header, LRESULT* result) {
  const auto* change = reinterpret_cast<const NMTREEVIEWA*>(header);
  *result = FALSE;
  if (change->action != TVE_EXPAND) return;
  const HTREEITEM item = change->itemNew.hItem;
  if (ItemValue(Tree(), item) != 1) return;
  // Nothing to show (an empty folder, a drive without a disk): the
  // placeholder stays, and the next attempt reads again.
  if (!ReadChildren(item)) *result = TRUE;
}

void CFolderBrowserDlg::OnOK() {
  const HTREEITEM selected = TreeView_GetSelection(Tree());
  if (!selected || selected == m_hRoot) return;
  m_strPath = PathOf(selected);
  EndDialog(IDOK);
}

LRESULT CFolderBrowserDlg::OnCtlColorListBox(WPARAM dc, LPARAM) {
  if (m_nMode == kPickFolder) {
    SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
  }
  return Default();
}
