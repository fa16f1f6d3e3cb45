// The binding to the provider's media player, QRMPlay.dll: loaded at
// start-up when setup.cfg asks for multimedia, and reached through its
// three entries until the run ends or a movie cannot be played.
#include <windows.h>

#include <string>

#include "core/log/log_sink.h"
#include "core/paths/path_ops.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/player/player_abi.h"
#include "setup/res/resource.h"
#include "setup/status/registry.h"

namespace {

// The multimedia modes of setup.cfg.
enum : int { kMediaOff = 0, kMediaAskAgain = 2, kMediaNoRecord = 3 };

constexpr const char* kRepeatValue = "Repeate";

template <typename Fn>
Fn EntryAs(FARPROC entry) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

int CSetupVTApp::InitPlayer() {
  ReleasePlayer();
  const std::string cfg = GetSetupCfg();
  const char* failure = nullptr;
  do {
    const int mode = static_cast<int>(GetPrivateProfileIntA("MultiMedia", "MultiMedia", kMediaOff, cfg.c_str()));
    if (mode == kMediaOff) {
      failure = "Multimedia is not requested in setup.cfg";
      break;
    }
    std::string mediaPath;
    ReadCfgString("MultiMedia", "MediaPath", mediaPath, "", cfg.c_str(), 256);
    m_strMediaDir = GetSrcDir();
    AppendPath(m_strMediaDir, mediaPath);

    // The repeat record: a run that finds it has shown the media before.
    if (mode != kMediaNoRecord) {
      std::string repeat;
      if (!ReadProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, kRepeatValue, repeat)) {
        WriteProductString(HKEY_CURRENT_USER, IDS_PRODUCT_KEY, kRepeatValue, "");
      } else if (repeat.empty() && mode == kMediaAskAgain &&
                 AppMessageBox("Do you want to see movie and listen to speaches again?",
                               MB_YESNO | MB_ICONQUESTION) == IDNO) {
        failure = "User doesn't want multimedia.";
        break;
      }
    }

    m_hPlayer = LoadLibraryA("QRMPlay.dll");
    if (!m_hPlayer) {
      failure = "LoadLibrary failed for QRMPlay.DLL";
      break;
    }
    // Looked up in this order; the first missing entry names the failure.
    const struct {
      const char* name;
      FARPROC* entry;
      const char* failure;
    } lookups[] = {
        {"OpenQRMPlayer", &m_pfnOpenPlayer, "GetProcAddress failed for OpenPlayer"},
        {"OpenQRMPlayerEx", &m_pfnOpenPlayerEx, "GetProcAddress failed for OpenPlayerEx"},
        {"CloseQRMPlayer", &m_pfnClosePlayer, "GetProcAddress failed for ClosePlayer"},
    };
    for (const auto& lookup : lookups) {
      *lookup.entry = GetProcAddress(m_hPlayer, lookup.name);
      if (!*lookup.entry) {
        failure = lookup.failure;
        break;
      }
    }
  } while (false);

  if (failure) {
    LogPrintf("InitPlayer error: %s\n", failure);
    // A library we cannot use is not kept loaded for the rest of the run;
    // nothing of it was called, so it has nothing to close.
    if (m_hPlayer) FreeLibrary(m_hPlayer);
    m_hPlayer = nullptr;
    m_pfnOpenPlayer = m_pfnOpenPlayerEx = m_pfnClosePlayer = nullptr;
    m_bMultimedia = false;
    return 0;
  }
  m_bMultimedia = true;
  return 1;
}

void CSetupVTApp::ReleasePlayer() {
  if (m_hPlayer) {
    if (m_pfnClosePlayer) EntryAs<VTCloseQRMPlayerFn>(m_pfnClosePlayer)();
    FreeLibrary(m_hPlayer);
  }
  m_hPlayer = nullptr;
  m_pfnOpenPlayer = m_pfnOpenPlayerEx = m_pfnClosePlayer = nullptr;
  m_bMultimedia = false;
}

int CSetupVTApp::OpenQRMPlayer(CWnd* owner, UINT flags, const std::string& path, int number,
                               UINT controlId) {
  if (!m_hPlayer || !m_pfnOpenPlayer) return 0;
  // The library takes the string object by reference: the object is one
  // pointer to its characters, so it gets the address of such a pointer.
  const char* characters = path.c_str();
  return EntryAs<VTOpenQRMPlayerFn>(m_pfnOpenPlayer)(owner ? owner->GetSafeHwnd() : nullptr, flags,
                                                     &characters, number, controlId);
}

void CSetupVTApp::CloseQRMPlayer() {
  if (m_hPlayer && m_pfnClosePlayer) EntryAs<VTCloseQRMPlayerFn>(m_pfnClosePlayer)();
}
