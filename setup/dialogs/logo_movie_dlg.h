// The logo movie (template 149): a small captionless dialog in the middle
// of the screen in which the media player shows the provider's logo movie.
// It ends by itself: with 1 when the player reports the movie's end, with 3
// when the movie cannot be played (after which, when the player refused it,
// the run goes on without any media).
#pragma once
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CLogoMovieDlg : public CDialog {
 public:
  enum : UINT { kWatchTimerId = 1 };
  // How long the dialog waits for the player's end-of-movie message before
  // it gives up on the movie: a logo movie lasts seconds, and a player that
  // never reports must not keep the setup waiting for good.
  enum : UINT { kMaxMovieMs = 60000 };
  enum : INT_PTR { kMoviePlayed = 1, kMovieFailed = 3 };

  explicit CLogoMovieDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;

  // The key of section "Multimedia" that names the movie, relative to the
  // media directory.
  std::string m_strKey = "Logo";

 protected:
  LRESULT OnPlayerDone(WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()

  bool m_bPlayerOpen = false;  // the player plays and has not been closed
};
