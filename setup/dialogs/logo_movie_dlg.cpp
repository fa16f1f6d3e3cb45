#include "setup/dialogs/logo_movie_dlg.h"

#include "core/log/log_sink.h"
#include "core/media/movie_file.h"
#include "setup/app/setup_app.h"
#include "setup/config/cfg_reader.h"
#include "setup/paths/file_paths.h"
#include "setup/player/player_abi.h"
#include "setup/res/resource.h"

namespace {

// The movie's length from its header; 0 when the file is no movie of ours.
uint32_t MovieFileLengthMs(const std::string& path) {
  uint8_t header[kMovieHeaderSize];
  DWORD got = 0;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  const BOOL read = ReadFile(file, header, sizeof header, &got, nullptr);
  CloseHandle(file);
  MovieHeader h;
  if (!read || MovieReadHeader(header, got, &h) != MovieError::None) return 0;
  return MovieLengthMs(h);
}

}  // namespace

VT_BEGIN_MESSAGE_MAP(CLogoMovieDlg, CDialog)
  VT_ON_MESSAGE(VT_PLAYER_DONE, OnPlayerDone)
  VT_ON_WM_TIMER()
  VT_ON_WM_DESTROY()
VT_END_MESSAGE_MAP()

CLogoMovieDlg::CLogoMovieDlg(CWnd* parent) : CDialog(IDD_LOGO_MOVIE, parent) {}

BOOL CLogoMovieDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CSetupVTApp* app = VTApp();
  const char* failure = nullptr;
  std::string movie;
  ReadCfgString("Multimedia", m_strKey.c_str(), movie, "", app->GetSetupCfg().c_str(), 256);
  std::string path = app->m_strMediaDir;
  if (movie.empty()) {
    failure = "LogoMovie entry not found in setup.cfg";
  } else if (!FileExistsIn(AppendPath(path, movie), "")) {
    failure = "File not found";
  } else if (!app->OpenQRMPlayer(this, VT_PLAY_LOGO_MOVIE, path, 0, VT_PLAY_FRAME)) {
    // A player that cannot show the logo is not asked for anything else.
    app->ReleasePlayer();
    failure = "Cannot open the player";
  }
  if (failure) {
    LogPrintf("CLogoMovieDlg::OnInitDialog error: %s\n", failure);
    EndDialog(kMovieFailed);
    return TRUE;
  }
  m_bPlayerOpen = true;
  const uint32_t length = MovieFileLengthMs(path);  // the movie's own path by now
  m_nWatchMs = length ? length + m_nWatchGraceMs : 0;
  if (m_nWatchMs) SetTimer(kWatchTimerId, m_nWatchMs);
  return TRUE;
}

LRESULT CLogoMovieDlg::OnPlayerDone(WPARAM wParam, LPARAM lParam) {
  if (lParam != VT_PLAYER_DONE_PARAM) return Default();
  KillTimer(kWatchTimerId);
  m_bPlayerOpen = false;
  VTApp()->CloseQRMPlayer();
  EndDialog(kMoviePlayed);
  return TRUE;
}

void CLogoMovieDlg::OnTimer(UINT_PTR id) {
  if (id != kWatchTimerId) return;
  KillTimer(kWatchTimerId);
  LogPrintf("CLogoMovieDlg: the player did not report the end of the movie within %u ms\n",
            static_cast<unsigned>(m_nWatchMs));
  m_bPlayerOpen = false;
  VTApp()->CloseQRMPlayer();
  EndDialog(kMovieFailed);
}

void CLogoMovieDlg::OnDestroy() {
  // Ended another way (Enter or Escape): the player must not go on drawing
  // into a window that is gone.
  if (m_bPlayerOpen && VTApp()->m_bMultimedia) VTApp()->CloseQRMPlayer();
  m_bPlayerOpen = false;
  Default();
}
