// The robot's commands. To add one: a line here, and a handler of the same
// keyword in the robot's command table (robot_commands.cpp).
#include "tests/robot/script/robot_script.h"

namespace {

using K = RobotArgKind;
constexpr long kDefaultWaitMs = 5000;

}  // namespace

const std::vector<RobotCommandSpec>& RobotCommands() {
  static const std::vector<RobotCommandSpec> commands = {
      {"wait",
       {{K::Text, "CLASS"}, {K::Text, "CAPTION"}, {K::Millis, "TIMEOUT_MS", true, kDefaultWaitMs}},
       "wait for a visible top-level window other than the current one (class or caption * = any); "
       "it becomes the current window"},
      {"wait-box",
       {{K::Text, "CAPTION"}, {K::Text, "TEXT"}, {K::Millis, "TIMEOUT_MS", true, kDefaultWaitMs}},
       "wait for a message box CAPTION whose text contains TEXT (several boxes of one caption may be up); "
       "it becomes the current window"},
      {"expect-text", {{K::Id, "ID"}, {K::Text, "TEXT"}},
       "the control's text is exactly TEXT (0xFFFF: a message box's text)"},
      {"expect-contains", {{K::Id, "ID"}, {K::Text, "TEXT"}}, "the control's text contains TEXT"},
      {"wait-text", {{K::Id, "ID"}, {K::Text, "TEXT"}, {K::Millis, "TIMEOUT_MS", true, kDefaultWaitMs}},
       "wait until the control's text contains TEXT (a status line that changes, say)"},
      {"expect-list", {{K::Id, "ID"}, {K::Text, "LINES"}},
       "a list box holds exactly these lines, in order, separated by | (\"\" for none)"},
      {"set-text", {{K::Id, "ID"}, {K::Text, "TEXT"}}, "set the control's text (WM_SETTEXT)"},
      {"click", {{K::Id, "ID"}}, "press the control (a button gets BM_CLICK, posted)"},
      {"click-text", {{K::Text, "CAPTION"}}, "press the button whose caption is exactly CAPTION"},
      {"answer",
       {{K::Text, "CAPTION"}, {K::Button, "BUTTON"}, {K::Millis, "TIMEOUT_MS", true, kDefaultWaitMs}},
       "wait for a message box CAPTION (not the current window), press BUTTON, wait until it closes; the window "
       "current before it is current again"},
      {"expect-gone", {{K::Millis, "TIMEOUT_MS", true, kDefaultWaitMs}},
       "the current window closes (or hides) within the time"},
      {"expect-no-window", {{K::Text, "CLASS"}, {K::Text, "CAPTION"}, {K::Millis, "MS"}},
       "no such visible window (other than the current one) shows up for MS milliseconds"},
      {"sleep", {{K::Millis, "MS"}}, "wait MS milliseconds"},
      {"screenshot-mark", {{K::Name, "NAME"}},
       "print SCREENSHOT NAME and wait for the file NAME.done in the working directory"},
      {"expect-rect",
       {{K::Target, "ID|window"}, {K::Pixels, "X"}, {K::Pixels, "Y"}, {K::Pixels, "W"}, {K::Pixels, "H"}},
       "the control's (or the window's) rectangle in screen pixels"},
      {"expect-client", {{K::Pixels, "W"}, {K::Pixels, "H"}}, "the current window's client area is W x H pixels"},
      {"count-palette-changes", {{K::Millis, "MS"}, {K::Count, "MAX"}},
       "count the system palette's changes (WM_PALETTECHANGED) for MS milliseconds; at most MAX"},
      {"minimize", {}, "minimise the current window as its minimise box would (WM_SYSCOMMAND SC_MINIMIZE)"},
      {"restore", {}, "restore the current window from its button on the task bar (WM_SYSCOMMAND SC_RESTORE)"},
      {"expect-visible", {{K::Id, "ID"}}, "the control is shown (its window and every parent visible)"},
      {"expect-hidden", {{K::Id, "ID"}}, "the control is hidden"},
      {"dump", {}, "print the current window's controls: class, id, text, rectangle"},
      {"answer-all", {{K::Text, "DESTINATION"}, {K::Millis, "MS"}},
       "for MS milliseconds, answer every dialog and box as a user who takes what is offered: the destination "
       "page gets DESTINATION, a disk prompt prints SCREENSHOT insert_diskN and waits as screenshot-mark does, "
       "any other window gets its default button unless that is Cancel, No or Quit (then Yes or OK), and the same "
       "question asked more than 5 times gets Cancel or No, and a window still up after 5 answers fails the step; "
       "each answer "
       "is printed as ANSWER lines; the file answer-all.stop in the working folder ends it early"},
  };
  return commands;
}

const RobotCommandSpec* FindRobotCommand(const std::string& keyword) {
  for (const RobotCommandSpec& command : RobotCommands())
    if (keyword == command.keyword) return &command;
  return nullptr;
}

std::string RobotUsage(const RobotCommandSpec& command) {
  std::string usage = command.keyword;
  for (const RobotParam& param : command.params) {
    usage += ' ';
    usage += param.optional ? std::string("[") + param.name + "]" : param.name;
  }
  return usage;
}
