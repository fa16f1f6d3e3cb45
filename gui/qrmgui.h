// QRMGUI: the picture classes shared by our programs. A DLL exporting C++
// classes: a program allocates CDIBitmap objects itself and embeds
// CDIBPalette and VTSplashWnd objects in its own; every block a picture owns
// is allocated and freed inside the DLL. All of it is built without
// exceptions, so none can cross the boundary.
#pragma once
#include <windows.h>

#include "framework/app.h"
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/geometry.h"
#include "framework/object.h"
#include "framework/text.h"
#include "framework/wnd.h"

#ifdef QRMGUI_BUILD
#define QRMGUI_API __declspec(dllexport)
#else
#define QRMGUI_API __declspec(dllimport)
#endif

// One device-independent picture, from a bitmap file or a bitmap resource.
// A file picture is kept in palette-index form: its colour table becomes the
// indices 0..n-1 and its colours go to the reference (etalon) table, so that
// drawing follows whatever palette is selected. A resource picture keeps its
// RGB colours, is widened to a multiple of 8 pixels and gets a transparency
// mask.
class QRMGUI_API CDIBitmap : public CObject {
  VT_DECLARE_SERIAL(CDIBitmap)

 public:
  CDIBitmap();
  ~CDIBitmap() override;
  CDIBitmap(const CDIBitmap&) = delete;
  CDIBitmap& operator=(const CDIBitmap&) = delete;
  void Serialize(CArchive& ar) override;

  // Resource form: bitmap nID of hInst, with the mask from bitmap nMaskID
  // (or, for 0, from the picture's bottom-left colour). FALSE only when the
  // resource is missing or unusable.
  virtual int LoadDIB(HINSTANCE hInst, UINT nID, UINT nMaskID);
  // File form. FALSE for a file that cannot be read or is not a picture we
  // can draw; the picture is then empty.
  virtual int LoadDIB(const CString& strFile);
  // Stretches the whole picture into rc with raster operation dwRop.
  virtual int DrawBitmap(CDC* pDC, CRect& rc, DWORD dwRop);
  // Draws the picture where its mask is black and keeps the destination
  // where it is white; exact when rc has the picture's size.
  virtual int DrawTransparentBitmap(CDC* pDC, CRect& rc);

  BITMAPINFO* GetBMHdrPtr() { return m_pBMI; }
  unsigned char* GetBMBitsPtr() { return m_pBits; }
  // The colour table in whatever form the load left it; NULL when empty.
  RGBQUAD* GetBMColorTabPtr();
  RGBQUAD* GetEtalonColors() const { return m_pEtalon; }
  // The colour count of the header; 0 when empty.
  int GetNumClrEntries();
  int GetBMWidth();
  int GetBMHeight();

 protected:
  BITMAPINFO* m_pBMI;
  unsigned char* m_pBits;
  CBitmap* m_pMask;
  RGBQUAD* m_pEtalon;
  UINT m_nUsage = DIB_RGB_COLORS;

 private:
  int LoadFile(const char* path);
  int LoadResource(HINSTANCE hInst, UINT nID, UINT nMaskID);
  void ReleaseHeader();
  int Stretch(CDC* pDC, const CRect& rc, DWORD dwRop);
};

// A logical palette built from a picture's colours.
class QRMGUI_API CDIBPalette : public CPalette {
 public:
  CDIBPalette();
  ~CDIBPalette() override;

  // From a header in memory: 2^biBitCount entries (none above 8 bits).
  int Create(BITMAPINFO* pbmi);
  // From a picture's colours (the reference table of a file picture);
  // reserved entries when bReserved, else no-collapse entries.
  int Create(CDIBitmap* pBmp, int bReserved);
  // From bitmap resource nID of hInst.
  int Create(HINSTANCE hInst, UINT nID);
  // n black entries that can be animated.
  int CreateBlack(unsigned long n);
  // Appends the colours of other that are not black.
  CDIBPalette& operator+=(CPalette& other);
};

// A borderless topmost window centred on the screen showing one picture
// until its time-out runs out or the user presses a key or button on it.
class QRMGUI_API VTSplashWnd : public CWnd {
 public:
  VTSplashWnd();
  ~VTSplashWnd() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  virtual int Create(const CString& strFile, UINT nTimeout);
  virtual int Create(HINSTANCE hInst, UINT nID, UINT nTimeout);

  enum : UINT { kTimerId = 1245 };

 protected:
  int Create();
  void OnPaint();
  void OnTimer(UINT_PTR nIDEvent);
  void Close();

  HINSTANCE m_hInst = nullptr;
  int m_cx = 0;
  int m_cy = 0;
  unsigned int m_nBitmapID;
  unsigned int m_nTimerID = 0;
  unsigned int m_nTimeout = 0;
  CDIBitmap m_dib;
  CDIBPalette m_pal;

  // Paint and timer, nothing else.
  VT_DECLARE_MESSAGE_MAP()
};
