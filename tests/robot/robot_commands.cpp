// What each command of the scenario language does. The language itself
// (keywords, arguments, defaults) is in script/robot_language.cpp; a new
// command is a line there and a handler plus a table row here.
#include <cstdio>
#include <cstring>

#include "robot.h"
#include "robot_answer_all.h"
#include "robot_windows.h"

namespace {

// How long screenshot-mark waits for the script that takes the picture.
constexpr long kScreenshotMs = 10000;

const std::string& Text(const RobotStep& step, size_t i) { return step.args[i].text; }
long Number(const RobotStep& step, size_t i) { return step.args[i].number; }

std::string Ms(long ms) { return std::to_string(ms) + " ms"; }

std::string ReadText(HWND control) {
  bool answered = false;
  std::string text = TextOf(control, &answered);
  if (!answered) Robot::Fail(Describe(control) + " does not answer WM_GETTEXT (is the program hung?)");
  return text;
}

std::string ControlName(const RobotStep& step) {
  char text[48];
  std::snprintf(text, sizeof text, "control %ld", Number(step, 0));
  return text;
}

void Press(HWND control) {
  if (!IsWindowVisible(control)) Robot::Fail(Describe(control) + " is hidden");
  if (!IsWindowEnabled(control)) Robot::Fail(Describe(control) + " is disabled");
  PressControl(control);
}

// A window other than the current one: the next dialog or box may well have
// the caption of the one still on the screen.
HWND AwaitWindow(Robot& robot, const std::string& class_name, const std::string& caption, long ms) {
  HWND found = nullptr;
  HWND skip = robot.current_or_null();
  if (!Robot::WaitFor(ms, [&] { return (found = FindVisibleTopLevel(class_name, caption, skip)) != nullptr; })) {
    const bool current = skip && IsWindow(skip) && WindowMatches(skip, class_name, caption);
    Robot::Fail("no visible window " + class_name + " " + QuoteRobotText(caption) + " within " + Ms(ms) +
                (current ? " (only the current window matches; waits look for another one)" : ""));
  }
  return found;
}

void AwaitGone(Robot& robot, long ms) {
  // A window that closed before this step began is gone all the same.
  HWND window = robot.current_or_null();
  if (!window) robot.Current();  // fails: no 'wait' came first
  if (!Robot::WaitFor(ms, [&] { return !IsWindow(window) || !IsWindowVisible(window); }))
    Robot::Fail(Describe(window) + " is still open after " + Ms(ms));
  robot.Leave();
}

void Wait(Robot& robot, const RobotStep& step) {
  robot.Enter(AwaitWindow(robot, Text(step, 0), Text(step, 1), Number(step, 2)));
}

struct BoxSearch {
  const std::string* caption;
  const std::string* text;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  if (!IsWindowVisible(window) || !WindowMatches(window, "#32770", *search->caption)) return TRUE;
  HWND text = GetDlgItem(window, 0xFFFF);
  if (!text || TextOf(text, nullptr).find(*search->text) == std::string::npos) return TRUE;
  search->found = window;
  return FALSE;
}

void WaitBox(Robot& robot, const RobotStep& step) {
  BoxSearch search{&Text(step, 0), &Text(step, 1), nullptr};
  if (!Robot::WaitFor(Number(step, 2), [&] {
        search.found = nullptr;
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      }))
    Robot::Fail("no message box " + QuoteRobotText(Text(step, 0)) + " with the text " +
                QuoteRobotText(Text(step, 1)) + " within " + Ms(Number(step, 2)));
  robot.Enter(search.found);
}

void ExpectText(Robot& robot, const RobotStep& step) {
  const std::string found = ReadText(robot.Control(Number(step, 0)));
  if (found != Text(step, 1))
    Robot::Fail(ControlName(step) + " text: expected " + QuoteRobotText(Text(step, 1)) + ", found " +
                QuoteRobotText(found));
}

void ExpectContains(Robot& robot, const RobotStep& step) {
  const std::string found = ReadText(robot.Control(Number(step, 0)));
  if (found.find(Text(step, 1)) == std::string::npos)
    Robot::Fail(ControlName(step) + " text: expected it to contain " + QuoteRobotText(Text(step, 1)) +
                ", found " + QuoteRobotText(found));
}

void WaitText(Robot& robot, const RobotStep& step) {
  HWND control = robot.Control(Number(step, 0));
  std::string found;
  auto contains = [&] { return (found = ReadText(control)).find(Text(step, 1)) != std::string::npos; };
  if (!Robot::WaitFor(Number(step, 2), contains))
    Robot::Fail(ControlName(step) + " text: waited for it to contain " + QuoteRobotText(Text(step, 1)) +
                ", last found " + QuoteRobotText(found));
}

// A list box's lines joined with '|'. Asked in UTF-16: Wine carries a
// list box's strings to another process as such, whatever the call's form.
std::string ListLines(HWND list) {
  std::string lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    if (length > 0) SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    char narrow[512] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    lines += (i ? "|" : "") + std::string(narrow);
  }
  return lines;
}

void ExpectList(Robot& robot, const RobotStep& step) {
  const std::string found = ListLines(robot.Control(Number(step, 0)));
  if (found != Text(step, 1))
    Robot::Fail(ControlName(step) + " lines: expected " + QuoteRobotText(Text(step, 1)) + ", found " +
                QuoteRobotText(found));
}

void SetText(Robot& robot, const RobotStep& step) {
  HWND control = robot.Control(Number(step, 0));
  if (!SetTextOf(control, Text(step, 1))) Robot::Fail(Describe(control) + " refused WM_SETTEXT");
}

void Click(Robot& robot, const RobotStep& step) { Press(robot.Control(Number(step, 0))); }

void ClickText(Robot& robot, const RobotStep& step) {
  HWND window = robot.Current();
  HWND button = FindButtonByCaption(window, Text(step, 0));
  if (!button) Robot::Fail("no button " + QuoteRobotText(Text(step, 0)) + " in " + Describe(window));
  Press(button);
}

void Answer(Robot& robot, const RobotStep& step) {
  robot.Enter(AwaitWindow(robot, "#32770", Text(step, 0), Number(step, 2)));
  Press(robot.Control(Number(step, 1)));
  AwaitGone(robot, Number(step, 2));
}

void ExpectGone(Robot& robot, const RobotStep& step) { AwaitGone(robot, Number(step, 0)); }

void ExpectNoWindow(Robot& robot, const RobotStep& step) {
  HWND found = nullptr;
  HWND skip = robot.current_or_null();
  auto appeared = [&] { return (found = FindVisibleTopLevel(Text(step, 0), Text(step, 1), skip)) != nullptr; };
  if (Robot::WaitFor(Number(step, 2), appeared)) {
    robot.Enter(found);  // so that the failure's dump shows it
    Robot::Fail("unexpected window " + Describe(found) + " showed up");
  }
}

void SleepFor(Robot&, const RobotStep& step) { Sleep(static_cast<DWORD>(Number(step, 0))); }

// The script that runs the robot takes the picture when it reads the marker
// line, then creates NAME.done; only then may the scenario go on.
void ScreenshotMark(Robot&, const RobotStep& step) {
  const std::string done = Text(step, 0) + ".done";
  DeleteFileA(done.c_str());
  std::printf("SCREENSHOT %s\n", Text(step, 0).c_str());
  std::fflush(stdout);
  if (!Robot::WaitFor(kScreenshotMs, [&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }))
    Robot::Fail("no " + done + " within " + Ms(kScreenshotMs) +
                " (run scenarios with screenshots through vt_robot, tests/wine/robot.sh)");
  DeleteFileA(done.c_str());
}

void ExpectRect(Robot& robot, const RobotStep& step) {
  const bool whole = Number(step, 0) == kRobotWindowTarget;
  HWND window = whole ? robot.Current() : robot.Control(Number(step, 0));
  RECT found{};
  GetWindowRect(window, &found);
  const long x = Number(step, 1), y = Number(step, 2);
  const RECT expected{x, y, x + Number(step, 3), y + Number(step, 4)};
  if (!EqualRect(&found, &expected))
    Robot::Fail((whole ? std::string("window") : ControlName(step)) + " rectangle: expected " +
                RectText(expected) + ", found " + RectText(found));
}

void ExpectClient(Robot& robot, const RobotStep& step) {
  RECT client{};
  GetClientRect(robot.Current(), &client);
  if (client.right != Number(step, 0) || client.bottom != Number(step, 1))
    Robot::Fail("client area: expected " + std::to_string(Number(step, 0)) + " x " +
                std::to_string(Number(step, 1)) + ", found " + std::to_string(client.right) + " x " +
                std::to_string(client.bottom));
}

// The system palette's changes reach every top-level window, this robot's
// own hidden one included.
LONG g_paletteChanges = 0;
LRESULT CALLBACK PaletteWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PALETTECHANGED) ++g_paletteChanges;
  return DefWindowProcA(window, message, wParam, lParam);
}

void CountPaletteChanges(Robot&, const RobotStep& step) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PaletteWatch;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VtRobotPaletteWatch";
  RegisterClassA(&wc);
  HWND watch = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               wc.hInstance, nullptr);
  if (!watch) Robot::Fail("cannot make the window that counts palette changes");
  g_paletteChanges = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(Number(step, 0))) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  DestroyWindow(watch);
  std::printf("palette changes in %ld ms: %ld\n", Number(step, 0), static_cast<long>(g_paletteChanges));
  std::fflush(stdout);
  if (g_paletteChanges > Number(step, 1))
    Robot::Fail("the system palette changed " + std::to_string(g_paletteChanges) + " times in " +
                Ms(Number(step, 0)) + " (at most " + std::to_string(Number(step, 1)) + " expected)");
}

void SystemCommand(Robot& robot, WPARAM command) {
  PostMessageA(robot.Current(), WM_SYSCOMMAND, command, 0);
}
void Minimize(Robot& robot, const RobotStep&) { SystemCommand(robot, SC_MINIMIZE); }
void Restore(Robot& robot, const RobotStep&) { SystemCommand(robot, SC_RESTORE); }

void ExpectShown(Robot& robot, const RobotStep& step, bool shown) {
  if ((IsWindowVisible(robot.Control(Number(step, 0))) != FALSE) != shown)
    Robot::Fail(ControlName(step) + (shown ? " is hidden" : " is shown"));
}
void ExpectVisible(Robot& robot, const RobotStep& step) { ExpectShown(robot, step, true); }
void ExpectHidden(Robot& robot, const RobotStep& step) { ExpectShown(robot, step, false); }

void Dump(Robot& robot, const RobotStep&) { std::printf("%s", DumpTree(robot.Current()).c_str()); }

struct HandlerRow {
  const char* keyword;
  RobotHandler handler;
};

constexpr HandlerRow kHandlers[] = {
    {"wait", Wait},
    {"wait-box", WaitBox},
    {"expect-text", ExpectText},
    {"expect-contains", ExpectContains},
    {"wait-text", WaitText},
    {"expect-list", ExpectList},
    {"set-text", SetText},
    {"click", Click},
    {"click-text", ClickText},
    {"answer", Answer},
    {"expect-gone", ExpectGone},
    {"expect-no-window", ExpectNoWindow},
    {"sleep", SleepFor},
    {"screenshot-mark", ScreenshotMark},
    {"expect-rect", ExpectRect},
    {"expect-client", ExpectClient},
    {"count-palette-changes", CountPaletteChanges},
    {"minimize", Minimize},
    {"restore", Restore},
    {"expect-visible", ExpectVisible},
    {"expect-hidden", ExpectHidden},
    {"dump", Dump},
    {"answer-all", AnswerAll},
};

}  // namespace

RobotHandler FindRobotHandler(const std::string& keyword) {
  for (const HandlerRow& row : kHandlers)
    if (keyword == row.keyword) return row.handler;
  return nullptr;
}
