/* A GUI program built the way a shipped one must never be: it imports the
   thread library's DLL (libwinpthread-1.dll) instead of linking it in. The
   check of the shipped programs has to refuse it. Never run, never shipped. */
#include <windows.h>
#include <pthread.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  return pthread_self() != 0 ? 0 : 1;
}
