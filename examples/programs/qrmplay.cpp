// A sample of the provider's media player library (QRMPlay.dll) for the
// demo media. It plays two kinds of file:
//
// - movies (.vtm, our own palette movie format): opened with the movie
//   flags, drawn frame by frame on a window of the library's own that lies
//   over the owner's frame control, paced by a timer against the clock.
//   With the logo flags the owner hears of the end (VT_PLAYER_DONE with
//   VT_PLAYER_DONE_PARAM); otherwise the last frame stays up.
// - commentary (PCM .wav files): played in the background through the
//   system's sound calls, on machines that have a wave output device.
//
// One thing plays at a time: an open stops what the one before started, and
// CloseQRMPlayer stops it all (timer, window, sound). Files are read whole,
// checked, and refused when they are not ours or do not add up.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/media/movie_file.h"
#include "core/media/wave_file.h"
#include "setup/player/player_abi.h"

namespace {

// Flags bits: a movie (rather than commentary), and the end reported to the
// owner.
constexpr UINT kFlagMovie = 0x0008;
constexpr UINT kFlagReportEnd = 0x0400;
// The largest file the player reads; the demo's are a few tens of KB.
constexpr DWORD kMaxFileBytes = 8u << 20;
constexpr UINT_PTR kFrameTimer = 1;
const char kViewClass[] = "VtQrmPlayView";

HINSTANCE g_module = nullptr;

struct Playing {
  HWND owner = nullptr;
  HWND view = nullptr;
  bool reportEnd = false;
  DWORD started = 0;
  int shown = -1;
  std::vector<uint8_t> file;  // the movie's or the sound's bytes
  MovieFile movie;
  std::vector<uint8_t> decoded;  // the frame on show as the file has it
  std::vector<uint8_t> pixels;   // the same as DIB rows, padded to 4 bytes
  size_t stride = 0;
  bool sound = false;
};
Playing g_play;

// A DIB header with a full colour table.
struct FrameInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};
FrameInfo g_info;

bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(f, nullptr);
  bool ok = size != INVALID_FILE_SIZE && size > 0 && size <= kMaxFileBytes;
  if (ok) {
    bytes.resize(size);
    DWORD got = 0;
    ok = ReadFile(f, bytes.data(), size, &got, nullptr) && got == size;
  }
  CloseHandle(f);
  return ok;
}

void ShowFrame(int frame) {
  if (frame == g_play.shown || !g_play.movie.DecodeFrame(static_cast<size_t>(frame), g_play.decoded.data()))
    return;
  // The file's rows are packed; a DIB's rows start on 4-byte boundaries.
  const size_t width = g_play.movie.header().width;
  for (size_t y = 0; y < g_play.movie.header().height; ++y)
    std::memcpy(&g_play.pixels[y * g_play.stride], &g_play.decoded[y * width], width);
  g_play.shown = frame;
  InvalidateRect(g_play.view, nullptr, FALSE);
}

void OnFrameTimer(HWND view) {
  const MovieHeader& h = g_play.movie.header();
  const DWORD elapsed = GetTickCount() - g_play.started;
  ShowFrame(MovieFrameAt(h, elapsed));
  if (!MovieEnded(h, elapsed)) return;
  KillTimer(view, kFrameTimer);
  UpdateWindow(view);  // the last frame is on the screen before the owner hears
  if (g_play.reportEnd) {
    g_play.reportEnd = false;
    // The owner usually closes the player here, which destroys this very
    // window: nothing of it is touched after the call.
    SendMessageA(g_play.owner, VT_PLAYER_DONE, 0, VT_PLAYER_DONE_PARAM);
  }
}

void Paint(HWND view) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(view, &ps);
  RECT rc;
  GetClientRect(view, &rc);
  if (g_play.view == view && g_play.shown >= 0) {
    const MovieHeader& h = g_play.movie.header();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, rc.right, rc.bottom, 0, 0, h.width, h.height, g_play.pixels.data(),
                  reinterpret_cast<const BITMAPINFO*>(&g_info), DIB_RGB_COLORS, SRCCOPY);
  } else {
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(view, &ps);
}

LRESULT CALLBACK ViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kFrameTimer && g_play.view == view) OnFrameTimer(view);
      return 0;
    case WM_PAINT:
      Paint(view);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      // Gone with its owner, or closed: nothing is drawn into it any more.
      if (g_play.view == view) g_play.view = nullptr;
      return 0;
    default:
      return DefWindowProcA(view, message, wParam, lParam);
  }
}

bool RegisterViewClass() {
  WNDCLASSA wc = {};
  if (GetClassInfoA(g_module, kViewClass, &wc)) return true;
  wc.lpfnWndProc = ViewProc;
  wc.hInstance = g_module;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kViewClass;
  return RegisterClassA(&wc) != 0;
}

int OpenMovie(HWND owner, UINT flags, const char* path, UINT controlId) {
  HWND frame = GetDlgItem(owner, static_cast<int>(controlId));
  if (!frame || !ReadWholeFile(path, g_play.file)) return 0;
  if (g_play.movie.Parse(g_play.file.data(), g_play.file.size()) != MovieError::None) return 0;
  const MovieHeader& h = g_play.movie.header();
  g_info = {};
  g_info.header.biSize = sizeof g_info.header;
  g_info.header.biWidth = h.width;
  g_info.header.biHeight = -static_cast<LONG>(h.height);  // rows top first
  g_info.header.biPlanes = 1;
  g_info.header.biBitCount = 8;
  g_info.header.biCompression = BI_RGB;
  g_info.header.biClrUsed = h.colors;
  const uint8_t* table = g_play.movie.colorTable();
  for (size_t i = 0; i < h.colors; ++i)
    g_info.colors[i] = {table[i * 4], table[i * 4 + 1], table[i * 4 + 2], 0};
  g_play.decoded.assign(g_play.movie.pixelCount(), 0);
  g_play.stride = (size_t{h.width} + 3) & ~size_t{3};
  g_play.pixels.assign(g_play.stride * h.height, 0);

  // The view covers the frame control (which the owner's template keeps
  // hidden) and lies above the owner's other children.
  RECT rc;
  GetWindowRect(frame, &rc);
  MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rc), 2);
  if (!RegisterViewClass()) return 0;
  g_play.view = CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc.left, rc.top,
                                rc.right - rc.left, rc.bottom - rc.top, owner, nullptr, g_module, nullptr);
  if (!g_play.view) return 0;
  SetWindowPos(g_play.view, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  g_play.owner = owner;
  g_play.reportEnd = (flags & kFlagReportEnd) != 0;
  g_play.started = GetTickCount();
  ShowFrame(0);
  if (!SetTimer(g_play.view, kFrameTimer, MovieTimerMs(h), nullptr)) return 0;
  return 1;
}

int OpenSound(const char* path) {
  // Without a wave output device there is nothing to play the sound on.
  if (waveOutGetNumDevs() == 0) return 0;
  if (!ReadWholeFile(path, g_play.file) || !WaveCheck(g_play.file.data(), g_play.file.size())) return 0;
  if (!PlaySoundA(reinterpret_cast<const char*>(g_play.file.data()), nullptr,
                  SND_MEMORY | SND_ASYNC | SND_NODEFAULT))
    return 0;
  g_play.sound = true;
  return 1;
}

void Close() {
  if (g_play.sound) PlaySoundA(nullptr, nullptr, 0);  // before the bytes go
  g_play.sound = false;
  if (g_play.view) {
    HWND view = g_play.view;
    g_play.view = nullptr;
    KillTimer(view, kFrameTimer);
    DestroyWindow(view);
  }
  g_play.owner = nullptr;
  g_play.reportEnd = false;
  g_play.shown = -1;
  g_play.movie = MovieFile();
  std::vector<uint8_t>().swap(g_play.file);
  std::vector<uint8_t>().swap(g_play.decoded);
  std::vector<uint8_t>().swap(g_play.pixels);
  g_play.stride = 0;
}

int Open(HWND owner, UINT flags, const char* const* path, UINT controlId) {
  Close();
  if (!path || !*path || !**path || !IsWindow(owner)) return 0;
  const bool movie = (flags & (kFlagMovie | kFlagReportEnd)) != 0;
  const int result = movie ? OpenMovie(owner, flags, *path, controlId) : OpenSound(*path);
  if (!result) Close();
  return result;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    // Unloaded while playing: stop, so that no timer calls into code that is
    // about to go away.
    Close();
    UnregisterClassA(kViewClass, g_module);
  }
  return TRUE;
}

// The number (103 for the pages, 0 for the logo) asks for this player's
// default look; it has no other.
extern "C" __declspec(dllexport) int __cdecl OpenQRMPlayer(HWND owner, UINT flags, const char* const* path,
                                                           int number, UINT controlId) {
  return Open(owner, flags, path, controlId);
}

extern "C" __declspec(dllexport) int __cdecl OpenQRMPlayerEx(HWND owner, UINT flags, const char* const* path,
                                                             int number, UINT controlId, DWORD reserved) {
  return Open(owner, flags, path, controlId);
}

extern "C" __declspec(dllexport) void __cdecl CloseQRMPlayer() { Close(); }
