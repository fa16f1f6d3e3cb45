// Device contexts: CDC wraps one HDC (and deletes a DC it made itself);
// CPaintDC brackets WM_PAINT, CClientDC borrows a window's client DC.
#pragma once
#include <windows.h>

#include "gdi.h"
#include "object.h"

class CWnd;

class CDC : public CObject {
  VT_DECLARE_DYNAMIC(CDC)
 public:
  CDC() = default;
  // Deletes the DC still attached (one from CreateCompatibleDC or Attach).
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT
  BOOL Attach(HDC dc);
  HDC Detach();
  BOOL DeleteDC();
  // A memory DC compatible with pDC's (the screen's when pDC is null).
  BOOL CreateCompatibleDC(CDC* pDC);

  // Return the handle that was selected before, NULL on failure.
  HGDIOBJ SelectObject(CGdiObject* object);
  HGDIOBJ SelectObject(HGDIOBJ object);
  HPALETTE SelectPalette(CPalette* palette, BOOL forceBackground);
  HPALETTE SelectPalette(HPALETTE palette, BOOL forceBackground);
  UINT RealizePalette();

  BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
  void FillSolidRect(const RECT& rc, COLORREF color);
  int GetDeviceCaps(int index) const;

  HDC m_hDC = nullptr;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);  // null: the screen
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};
