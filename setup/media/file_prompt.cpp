#include "setup/media/file_prompt.h"

#include <windows.h>

#include <vector>

#include "core/text/format.h"
#include "setup/app/setup_app.h"
#include "setup/paths/file_paths.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

int PromptForFile(const std::string& name, std::string& dir) {
  if (FileExistsIn(name, dir)) return 1;
  CSetupVTApp* app = VTApp();
  // String 11 holds one %s for the file name.
  const std::string format = LoadResString(IDS_FILE_NOT_FOUND);
  std::vector<char> message(format.size() + name.size() + 1);
  FormatText(message.data(), message.size(), format.c_str(), name.c_str());
  std::string path = dir;
  app->ShowProgress(false);
  do {
    if (app->FilePrompt("Vantora Setup - File not Found", message.data(), path) != 1) return 0;
    dir = path;
  } while (!FileExistsIn(name, path));
  app->ShowProgress(true);
  return 2;
}
