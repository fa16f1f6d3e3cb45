// The logo movie (template 149): a small captionless dialog in the middle
// of the screen in which the media player shows the provider's logo movie.
// It ends by itself: with 1 when the player reports the movie's end, with 3
// when the movie cannot be played (after which, when the player refused it,
// the run goes on without any media) or the player has not reported the end
// long after the movie's own length.
#pragma once
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CLogoMovieDlg : public CDialog {
 public:
  enum : UINT { kWatchTimerId = 1 };
  // A player that never reports the end must not keep the setup waiting for
  // good, nor may a long movie be cut: the dialog gives the player the
  // movie's own length (read from its header) and this much more. A movie
  // whose length cannot be read is waited for until it ends (or Escape).
  enum : UINT { kWatchGraceMs = 10000 };
  enum : INT_PTR { kMoviePlayed = 1, kMovieFailed = 3 };

  explicit CLogoMovieDlg(CWnd* parent = nullptr);
  BOOL OnInitDialog() override;

  // The key of section "Multimedia" that names the movie, relative to the
  // media directory.
  std::string m_strKey = "Logo";
  // The grace after the movie's length (tests shorten it), and the watch
  // set for the movie playing: 0 for none.
  UINT m_nWatchGraceMs = kWatchGraceMs;
  UINT m_nWatchMs = 0;

 protected:
  LRESULT OnPlayerDone(WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);
  void OnDestroy();
  VT_DECLARE_MESSAGE_MAP()

  bool m_bPlayerOpen = false;  // the player plays and has not been closed
};
