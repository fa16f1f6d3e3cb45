#include "setup/dialogs/check_list.h"

#include <vector>

namespace {
constexpr int kBoxSize = 13;   // the check box, in pixels
constexpr int kBoxMargin = 2;  // around it
}  // namespace

VT_BEGIN_MESSAGE_MAP(CCheckListBox, CWnd)
  VT_ON_WM_LBUTTONDOWN()
  VT_ON_WM_KEYDOWN()
VT_END_MESSAGE_MAP()

BOOL CCheckListBox::SubclassDlgItem(int id, CWnd* parent) {
  HWND control = ::GetDlgItem(parent->GetSafeHwnd(), id);
  return control && SubclassWindow(control);
}

int CCheckListBox::AddString(const std::string& text) {
  const int index = static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) SendMessage(LB_SETITEMDATA, index, 0);
  return index;
}

int CCheckListBox::GetCount() const {
  return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

std::string CCheckListBox::GetText(int index) const {
  const LRESULT length = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0);
  if (length < 0) return std::string();
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  ::SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

int CCheckListBox::GetCheck(int index) const {
  const LRESULT data = ::SendMessageA(m_hWnd, LB_GETITEMDATA, index, 0);
  return data == LB_ERR ? 0 : static_cast<int>(data);
}

void CCheckListBox::SetCheck(int index, int check) {
  SendMessage(LB_SETITEMDATA, index, check ? 1 : 0);
  RECT rc;
  if (::SendMessageA(m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)) != LB_ERR)
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

int CCheckListBox::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }
void CCheckListBox::SetCurSel(int index) { SendMessage(LB_SETCURSEL, index, 0); }

void CCheckListBox::Toggle(int index) {
  if (index < 0 || index >= GetCount()) return;
  SetCheck(index, !GetCheck(index));
}

void CCheckListBox::OnLButtonDown(UINT, CPoint point) {
  const LRESULT hit = ::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  const int index = LOWORD(hit);
  // A click on a line's box toggles it; anywhere on the line selects it.
  if (!HIWORD(hit) && point.x < kBoxSize + 2 * kBoxMargin) Toggle(index);
  Default();
}

void CCheckListBox::OnKeyDown(UINT key, UINT, UINT) {
  if (key == VK_SPACE) Toggle(GetCurSel());
  Default();
}

void CCheckListBox::Measure(MEASUREITEMSTRUCT* item) {
  if (item->itemHeight < kBoxSize + 2 * kBoxMargin) item->itemHeight = kBoxSize + 2 * kBoxMargin;
}

void CCheckListBox::Draw(const DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1)) return;
  HDC dc = item->hDC;
  RECT rc = item->rcItem;
  const bool selected = item->itemState & ODS_SELECTED;
  ::FillRect(dc, &rc, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  RECT box = {rc.left + kBoxMargin, rc.top + (rc.bottom - rc.top - kBoxSize) / 2, 0, 0};
  box.right = box.left + kBoxSize;
  box.bottom = box.top + kBoxSize;
  ::DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (GetCheck(static_cast<int>(item->itemID)) ? DFCS_CHECKED : 0));
  RECT text = rc;
  text.left = box.right + 2 * kBoxMargin;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::string line = GetText(static_cast<int>(item->itemID));
  ::DrawTextA(dc, line.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &rc);
}
