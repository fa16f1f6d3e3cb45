// Recognising the installation medium by its disk label file.
#include <windows.h>

#include <string>

#include "core/log/log_sink.h"
#include "core/text/format.h"
#include "setup/media/file_prompt.h"
#include "setup/media/source_media.h"
#include "setup/paths/file_paths.h"
#include "setup/app/setup_app.h"

bool IsFloppySource(const std::string& dir) {
  return !dir.empty() && (dir[0] == 'a' || dir[0] == 'A' || dir[0] == 'b' || dir[0] == 'B');
}

std::string DiskLabelName(int disk) {
  char label[32];
  FormatText(label, sizeof label, "QRM.D0%d", disk);
  return label;
}

bool CSetupVTApp::CheckSourceMedia(bool useCfgDisk) {
  const int disk = useCfgDisk
                       ? static_cast<int>(GetPrivateProfileIntA("Misc", "SoftwareDisk", 0,
                                                                GetSetupCfg().c_str()))
                       : (IsFloppySource(GetSrcDir()) ? 1 : 0);
  const std::string label = DiskLabelName(disk);
  char message[64];
  if (disk == 0)
    FormatText(message, sizeof message, "Please insert Vantora CD in CD-ROM drive");
  else
    FormatText(message, sizeof message, "Please insert Vantora disk #%d", disk);
  std::string path = GetSrcDir();
  for (;;) {
    if (FileExistsIn(label, path)) {
      SetSrcDir(path);
      return true;
    }
    LogPrintf("File %s not found in %s. Ask user...\n", label.c_str(), path.c_str());
    if (FilePrompt("Vantora Setup", message, path) != 1) return false;
  }
}
