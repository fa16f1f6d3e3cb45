// What a user who takes what is offered does with each window the setup
// shows: the destination page gets the folder the caller chose, a disk
// prompt waits until the caller has put that disk in, and every other
// dialog or box gets its default button, unless that would give up
// (Cancel, No, Quit). A window that shows no such button (the progress
// dialog, the exit notice, a movie) is left to go by itself.
#include "robot_answer_all.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "robot_windows.h"

namespace {

constexpr long kPollMs = 200;
constexpr DWORD kAgainMs = 3000;  // a window still up this long after its answer is answered again
constexpr int kTries = 5;
const char kStopFile[] = "answer-all.stop";
// The destination page: its folder field and its required-space text.
constexpr long kDestinationEdit = 101, kRequiredSpace = 1011;

struct Seen {
  DWORD answeredAt = 0;
  int tries = 0;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
  if (IsWindowVisible(window) && ClassNameOf(window) == "#32770")
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// The button a taker of defaults presses, or null.
HWND ChosenButton(HWND dialog) {
  auto usable = [](HWND b) { return b && IsButton(b) && IsWindowVisible(b) && IsWindowEnabled(b); };
  DWORD_PTR def = 0;
  if (SendMessageTimeoutA(dialog, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 2000, &def) && HIWORD(def) == DC_HASDEFID) {
    HWND b = FindControl(dialog, LOWORD(def));
    std::string caption = usable(b) ? TextOf(b) : std::string();
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    if (usable(b) && caption != "Cancel" && caption != "No" && caption != "Quit") return b;
  }
  for (long id : {IDYES, IDOK})
    if (usable(FindControl(dialog, id))) return FindControl(dialog, id);
  return nullptr;
}

// "Please insert setup disk # 2 ...": the disk's number, or 0.
int DiskAskedFor(HWND dialog) {
  HWND text = FindControl(dialog, 0xFFFF);
  const std::string said = text ? TextOf(text) : std::string();
  const size_t at = said.find("insert setup disk # ");
  return at == std::string::npos ? 0 : std::atoi(said.c_str() + at + std::strlen("insert setup disk # "));
}

void AwaitDisk(Robot& robot, int disk) {
  RobotStep mark;
  mark.args.push_back({"insert_disk" + std::to_string(disk), 0});
  FindRobotHandler("screenshot-mark")(robot, mark);
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
  if (ClassNameOf(child) == "Static") *reinterpret_cast<std::string*>(param) += TextOf(child) + "|";
  return TRUE;
}

// What the window asks: its caption and texts. The same question asked
// again and again (a file the setup keeps looking for, say) is one a user
// would give up on.
std::string Question(HWND dialog) {
  std::string texts = Describe(dialog) + "|";
  EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND GiveUpButton(HWND dialog) {
  for (long id : {IDCANCEL, IDNO}) {
    HWND b = FindControl(dialog, id);
    if (b && IsButton(b) && IsWindowVisible(b) && IsWindowEnabled(b)) return b;
  }
  return nullptr;
}

void Report(HWND dialog, HWND button) {
  HWND text = FindControl(dialog, 0xFFFF);
  std::string said = text ? TextOf(text) : std::string();
  for (char& c : said)
    if (c == '\r' || c == '\n') c = ' ';
  std::printf("ANSWER %s%s%s -> %s\n", Describe(dialog).c_str(), said.empty() ? "" : ": ", said.c_str(),
              QuoteRobotText(TextOf(button)).c_str());
  std::fflush(stdout);
}

}  // namespace

void AnswerAll(Robot& robot, const RobotStep& step) {
  const std::string& destination = step.args[0].text;
  const DWORD end = GetTickCount() + static_cast<DWORD>(step.args[1].number);
  std::map<HWND, Seen> seen;
  std::map<std::string, int> asked;  // by Question
  HWND stuck = nullptr;
  // The caller ends it early with the file answer-all.stop in the working folder.
  DeleteFileA(kStopFile);
  while (static_cast<long>(end - GetTickCount()) > 0 && GetFileAttributesA(kStopFile) == INVALID_FILE_ATTRIBUTES) {
    std::vector<HWND> dialogs;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    for (HWND dialog : dialogs) {
      Seen& s = seen[dialog];
      if (s.tries >= kTries || (s.tries > 0 && GetTickCount() - s.answeredAt < kAgainMs)) continue;
      HWND button = ChosenButton(dialog);
      if (!button) continue;
      if (s.tries == 0 && ++asked[Question(dialog)] > kTries) {
        if (HWND giveUp = GiveUpButton(dialog)) {
          std::printf("ANSWER %s asked %d times: given up\n", Describe(dialog).c_str(), kTries);
          button = giveUp;
        }
      }
      if (s.tries == 0 && FindControl(dialog, kRequiredSpace)) {
        HWND edit = FindControl(dialog, kDestinationEdit);
        if (edit) SetTextOf(edit, destination);
      }
      if (const int disk = DiskAskedFor(dialog)) AwaitDisk(robot, disk);
      Report(dialog, button);
      PressControl(button);
      s.answeredAt = GetTickCount();
      if (++s.tries == kTries) stuck = dialog;
    }
    // A window that the answers do not move on (a destination the setup
    // refuses, say) leaves the installation stuck: that ends the step.
    if (stuck && IsWindow(stuck) && IsWindowVisible(stuck) && GetTickCount() - seen[stuck].answeredAt >= kAgainMs)
      Robot::Fail(Describe(stuck) + " stays after " + std::to_string(kTries) + " answers: the installation is stuck");
    Sleep(kPollMs);
  }
}
