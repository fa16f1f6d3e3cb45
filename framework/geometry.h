// Rectangle and point helpers over the Win32 structures.
#pragma once
#include <windows.h>

class CPoint : public POINT {
 public:
  CPoint(int px = 0, int py = 0) { x = px, y = py; }  // NOLINT
};

class CRect : public RECT {
 public:
  CRect() { SetRectEmpty(this); }
  CRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  CRect(const RECT& rc) { ::CopyRect(this, &rc); }  // NOLINT

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
  void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
  bool PtInRect(POINT pt) const { return ::PtInRect(this, pt) != FALSE; }
  operator LPRECT() { return this; }              // NOLINT
  operator const RECT*() const { return this; }  // NOLINT
};
