// The end of a program that cannot go on. A box, because the programs we
// ship have no console, then ExitProcess: no destructor or atexit function
// runs, as the state they would work on is what failed.
#include "crt.h"
#include "crt_texts.h"

namespace {
// Appends TEXT to BUFFER (of SIZE bytes, NUL-terminated), cut to fit.
void Append(char* buffer, size_t size, const char* text) {
  size_t n = 0;
  while (n < size && buffer[n]) ++n;
  while (n + 1 < size && *text) buffer[n++] = *text++;
  if (n < size) buffer[n] = '\0';
}

// The program's file name without its folder, as the box's caption.
void Caption(char* buffer, size_t size) {
  char path[MAX_PATH];
  const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
  buffer[0] = '\0';
  if (n == 0 || n >= sizeof path) {
    Append(buffer, size, kFatalCaption);
    return;
  }
  const char* name = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  Append(buffer, size, name);
}
}  // namespace

void VtFatal(const char* reason) {
  // Static buffers: the stack or the heap may be what ran out.
  static char text[512];
  static char caption[MAX_PATH];
  text[0] = '\0';
  Append(text, sizeof text, kFatalIntro);
  Append(text, sizeof text, reason ? reason : kLibraryError);
  Append(text, sizeof text, kFatalOutro);
  Caption(caption, sizeof caption);
  ::MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
  ::ExitProcess(3);
}
