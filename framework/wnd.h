// The window class. Each CWnd is tied to its HWND through a window property,
// not a module-local map: the framework is a static library linked into the
// DLL and into the program, and a window made by one module must be found by
// the message loop of the other. Messages reach the object through the
// virtual WindowProc, which looks them up in the class's message map
// (framework/msgmap.h); what no map lists goes to the default procedure.
#pragma once
#include <windows.h>

#include "geometry.h"
#include "msgmap.h"
#include "object.h"
#include "text.h"

class CDC;

// Registers (once per module) a window class whose procedure is the
// framework's, and returns its name; NULL when the system refuses it.
const char* AfxRegisterWndClass(UINT style, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);

class CWnd : public CObject {
  VT_DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  // Destroys the window if it still exists.
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The object tied to a window, whichever module made it; NULL for others.
  static CWnd* FromHandlePermanent(HWND hwnd);
  // Offers msg to PreTranslateMessage of its window and that window's
  // parents, up to and including stop; TRUE when one consumed it.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT

  // Ties an existing window to this object (no message routing).
  BOOL Attach(HWND hwnd);
  HWND Detach();
  // Ties a window and routes its messages through this object.
  BOOL SubclassWindow(HWND hwnd);
  HWND UnsubclassWindow();

  virtual BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                        int x, int y, int width, int height, HWND parent, HMENU menu,
                        void* param = nullptr);
  virtual BOOL DestroyWindow();
  // TRUE when the message was handled and must not be dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Looks the message up in the message map; the default procedure for
  // what it does not list.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the last message (WM_NCDESTROY), when m_hWnd is cleared.
  virtual void PostNcDestroy() {}

  // The message map: the most derived class's table, chained to its bases'.
  // The window class's own table is empty.
  static const VtMsgMap* GetThisMessageMap();
  virtual const VtMsgMap* GetMessageMap() const;

  // The default procedure for the message being handled.
  LRESULT Default();

  // --- thin wrappers ---
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
  BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) {
    return ::MoveWindow(m_hWnd, x, y, w, h, repaint);
  }
  void GetClientRect(LPRECT rc) const { ::GetClientRect(m_hWnd, rc); }
  void GetWindowRect(LPRECT rc) const { ::GetWindowRect(m_hWnd, rc); }
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  CString GetWindowText() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HWND GetParent() const { return ::GetParent(m_hWnd); }
  LRESULT SendMessage(UINT m, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageA(m_hWnd, m, w, l); }
  BOOL PostMessage(UINT m, WPARAM w = 0, LPARAM l = 0) { return ::PostMessageA(m_hWnd, m, w, l); }
  // Centres the window over alternateOwner, else its owner, else the
  // screen's work area, kept on the screen.
  void CenterWindow(HWND alternateOwner = nullptr);

  HWND m_hWnd = nullptr;

 protected:
  friend LRESULT CALLBACK VtWndProc(HWND, UINT, WPARAM, LPARAM);
  // Handles one message addressed to this object; returns what the window
  // procedure returns.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC m_pfnSuper = nullptr;  // the procedure replaced by SubclassWindow
  MSG m_msgCur{};                // the message being handled, for Default()
};
