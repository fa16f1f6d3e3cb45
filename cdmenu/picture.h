// The launcher's pictures: a bitmap resource of the program turned into a
// DIB section and a logical palette, and rectangles of it copied onto a
// device context with that palette realised.
//
// Implemented in picture.cpp; called by the launcher's window procedures
// (main.cpp, buttons.cpp) and by the Win32 tests. A Picture owns its
// section and palette; FreePicture releases both. The memory context lives
// only between BeginPictureDraw and EndPictureDraw, and BlitPicture needs it.
#pragma once
#include <windows.h>

struct Picture {
  HDC memoryDc;             // open between BeginPictureDraw and EndPictureDraw
  HGDIOBJ previousBitmap;   // what the memory context held before the section
  HPALETTE previousPalette; // the target's palette before BeginPictureDraw
  HBITMAP section;
  void* pixels;
  HPALETTE palette;
  int width, height;        // biWidth and biHeight of the resource
  int stride;               // bytes of a pixel row, padded to 32 bits
  int imageSize;            // height x stride
  struct {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
  } info;                   // the resource's header and colour table
};

// The bitmap resource `name` (a name or MAKEINTRESOURCE id) of `instance`;
// NULL when it is missing, is not an uncompressed picture with a colour
// table, or a GDI object cannot be made. `unused` is ignored.
Picture* LoadPicture(HINSTANCE instance, LPCSTR name, int unused);
void FreePicture(Picture* picture);  // NULL allowed

// Opens the picture's memory context (with the section selected) for
// BlitPicture; with a target context, also realises the picture's palette
// there as foreground palette. NULL when no memory context can be made.
HDC BeginPictureDraw(HDC target, Picture* picture);
void EndPictureDraw(HDC target, Picture* picture);

// Copies `source` of the picture (NULL: all of it) onto `dest` of the
// target, a block copy when the sizes agree and a colour-on-colour stretch
// otherwise, with the picture's palette realised for the copy.
BOOL BlitPicture(HDC target, const RECT* dest, Picture* picture, const RECT* source, DWORD rop);
