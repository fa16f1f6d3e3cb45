// A list box with a check box on every line (an owner-drawn, fixed-height
// list box with strings). The check state is each line's item data; a click
// on the check box or the space bar toggles it. The dialog that holds it
// passes its WM_MEASUREITEM and WM_DRAWITEM for the list to Measure/Draw.
#pragma once
#include <windows.h>

#include <string>

#include "framework/wnd.h"

class CCheckListBox : public CWnd {
 public:
  // Routes the dialog's list control through this object.
  BOOL SubclassDlgItem(int id, CWnd* parent);

  int AddString(const std::string& text);
  int GetCount() const;
  std::string GetText(int index) const;
  int GetCheck(int index) const;
  void SetCheck(int index, int check);
  int GetCurSel() const;
  void SetCurSel(int index);

  static void Measure(MEASUREITEMSTRUCT* item);
  void Draw(const DRAWITEMSTRUCT* item);

 protected:
  void OnLButtonDown(UINT flags, CPoint point);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  VT_DECLARE_MESSAGE_MAP()

 private:
  void Toggle(int index);
};
