// The picture buttons: owner-drawn "button" controls, subclassed so that
// they answer the mouse only inside the ellipse of their rectangle, take
// the focus when the mouse moves over them while the launcher is active,
// and show the hand cursor.
#include <cstdlib>

#include "launcher.h"

namespace {

constexpr DWORD kButtonStyle = 0x4000000B;  // child, owner-drawn; shown by page

WNDPROC PreviousProc(HWND button) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_USERDATA)); }

bool InEllipse(HWND button, POINT client) {
  RECT rc;
  GetClientRect(button, &rc);
  return PtInEllipse(rc.left, rc.top, rc.right, rc.bottom, client.x, client.y);
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      g_focusedButton = button;
      break;
    case WM_ERASEBKGND: {
      // The picture covers the button: nothing to erase.
      PAINTSTRUCT ps;
      BeginPaint(button, &ps);
      EndPaint(button, &ps);
      return 1;
    }
    case WM_SETCURSOR:
      SetCursor(g_handCursor);
      return TRUE;
    case WM_NCHITTEST: {
      POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(button, &pt);
      // Outside the ellipse the click belongs to the window underneath.
      return InEllipse(button, pt) ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_MOUSEMOVE: {
      const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (g_active && button != g_focusedButton && InEllipse(button, pt)) SetFocus(button);
      break;
    }
  }
  return CallWindowProcA(PreviousProc(button), button, message, wParam, lParam);
}

Picture* LoadButtonPicture(int id) {
  return id ? LoadPicture(g_instance, MAKEINTRESOURCEA(id), 0) : nullptr;
}

void FreeButton(LaunchButton* record) {
  FreePicture(record->normal);
  FreePicture(record->pressed);
  FreePicture(record->focused);
  if (record->window) DestroyWindow(record->window);
  std::free(record);
}

bool CreateButton(HWND parent, const LaunchButtonRow& row) {
  LaunchButton* record = static_cast<LaunchButton*>(std::calloc(1, sizeof(LaunchButton)));
  if (!record) return false;
  g_buttons[row.id] = record;
  record->reserved = row.reserved;
  if (!g_handCursor) g_handCursor = LoadCursorA(g_instance, MAKEINTRESOURCEA(kHandCursor));
  record->window = CreateWindowExA(0, "button", "", kButtonStyle, row.x, row.y, row.width, row.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), g_instance, nullptr);
  if (!record->window) return false;
  // The previous procedure goes into the user data before the new one is
  // set, so the first message the new one sees can be passed on.
  SetWindowLongPtrA(record->window, GWLP_USERDATA, GetWindowLongPtrA(record->window, GWLP_WNDPROC));
  SetWindowLongPtrA(record->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc));
  record->normal = LoadButtonPicture(row.normal);
  record->pressed = LoadButtonPicture(row.pressed);
  record->focused = LoadButtonPicture(row.focused);
  return (row.normal == 0 || record->normal) && (row.pressed == 0 || record->pressed) &&
         (row.focused == 0 || record->focused);
}

}  // namespace

bool CreateLaunchButtons(HWND parent) {
  for (const LaunchButtonRow& row : kLaunchButtonTable)
    if (!CreateButton(parent, row)) return false;
  return true;
}

void DestroyLaunchButtons() {
  for (LaunchButton*& record : g_buttons) {
    if (record) FreeButton(record);
    record = nullptr;
  }
  g_focusedButton = nullptr;
}

void ShowPage(int page) {
  for (const LaunchButtonRow& row : kLaunchButtonTable)
    if (g_buttons[row.id]) ShowWindow(g_buttons[row.id]->window, ShownOnPage(row.id, page) ? SW_SHOW : SW_HIDE);
}

void DrawLaunchButton(const DRAWITEMSTRUCT& item) {
  const int id = GetDlgCtrlID(item.hwndItem);
  if (id < 0 || id >= kLaunchButtons || !g_buttons[id]) return;
  const LaunchButton& record = *g_buttons[id];
  Picture* picture = (item.itemState & ODS_SELECTED) ? record.pressed
                     : (item.itemState & ODS_FOCUS)  ? record.focused
                                                     : record.normal;
  if (!picture) picture = record.normal;
  if (!picture) return;
  HPALETTE previous = nullptr;
  if (g_background) {
    previous = SelectPalette(item.hDC, g_background->palette, TRUE);
    RealizePalette(item.hDC);
  }
  const RECT& dest = item.rcItem;
  const RECT source = {0, 0, dest.right - dest.left, dest.bottom - dest.top};
  if (BeginPictureDraw(nullptr, picture)) {
    BlitPicture(item.hDC, &dest, picture, &source, SRCCOPY);
    EndPictureDraw(nullptr, picture);
  }
  if (previous) {
    SelectPalette(item.hDC, previous, TRUE);
    RealizePalette(item.hDC);
  }
}
