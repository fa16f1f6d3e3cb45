// Helpers of the picture library's tests: files in the temp folder, a
// memory canvas whose pixels can be read back, and a message pump that
// pre-translates as the programs' loops do.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "tools/pictures/pictures.h"
#include "framework/wnd.h"

inline std::string TempFile(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + "vtgui_" + name;
}

inline std::string WriteTemp(const char* name, const std::vector<uint8_t>& bytes) {
  std::string path = TempFile(name);
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD done = 0;
  if (f != INVALID_HANDLE_VALUE) {
    if (!bytes.empty()) WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(f);
  }
  return path;
}

// A 32-bit top-down DIB section in a memory DC: pixel (x, y) reads 0x00RRGGBB.
class Canvas {
 public:
  Canvas(int w, int h) : m_w(w), m_h(h) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    dc.CreateCompatibleDC(nullptr);
    m_bmp = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_px), nullptr, 0);
    m_old = SelectObject(dc, m_bmp);
  }
  ~Canvas() {
    SelectObject(dc, m_old);
    DeleteObject(m_bmp);
  }
  uint32_t At(int x, int y) const {
    GdiFlush();
    return m_px[static_cast<size_t>(y) * m_w + x] & 0xFFFFFF;
  }
  void Fill(uint32_t rgb) {
    for (int i = 0; i < m_w * m_h; ++i) m_px[i] = rgb;
  }
  CDC dc;

 private:
  int m_w, m_h;
  HBITMAP m_bmp = nullptr;
  HGDIOBJ m_old = nullptr;
  uint32_t* m_px = nullptr;
};

// Pumps this thread's messages for `ms` milliseconds, or until done().
template <typename Done>
inline void Pump(DWORD ms, Done done) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < ms && !done()) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (CWnd::WalkPreTranslateTree(nullptr, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
}
inline void Pump(DWORD ms) {
  Pump(ms, [] { return false; });
}
