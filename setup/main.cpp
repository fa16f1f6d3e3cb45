// setupvt: the Vantora setup program.
#include <windows.h>

#include "setup/app/setup_app.h"

CSetupVTApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int cmdShow) {
  return VtWinMain(theApp, instance, cmdLine, cmdShow);
}
