// The demo media's stand-in for the provider's dial-up client: what the
// setup installs and links to. It only says what it is.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int) {
  const char* text =
      cmdLine && *cmdLine
          ? "Vantora dial-up client (demo)\n\nStarted with a command line: the settings would open now."
          : "Vantora dial-up client (demo)\n\nThe real client would dial Corvane Network now.";
  MessageBoxA(nullptr, text, "Vantora", MB_OK | MB_ICONINFORMATION);
  return 0;
}
