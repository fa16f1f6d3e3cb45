// The scrolling line of the exit notice.
#pragma once
#include <string>

constexpr const char* kExitNoticeText = "Exiting Vantora... Please wait...  ";
constexpr unsigned kExitNoticeTickMs = 60;
constexpr int kExitNoticeTicks = 11;

// Moves the first character to the end.
inline void RotateMarquee(std::string& text) {
  if (text.size() > 1) text = text.substr(1) + text.front();
}
