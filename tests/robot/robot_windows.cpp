#include "robot_windows.h"

#include <cstdio>
#include <vector>

#include "tests/robot/script/robot_script.h"

namespace {

// How long a window of the program under test may take to answer a message
// before the robot calls it hung instead of waiting with it.
constexpr UINT kAnswerMs = 3000;

struct Search {
  std::string class_name, caption;
  HWND skip;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  Search& search = *reinterpret_cast<Search*>(param);
  if (window == search.skip || !IsWindowVisible(window) || !WindowMatches(window, search.class_name, search.caption)) return TRUE;
  search.found = window;
  return FALSE;
}

// Every descendant of `parent`, depth first, in Z order.
void CollectChildren(HWND parent, int depth, std::vector<std::pair<HWND, int>>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back({child, depth});
    CollectChildren(child, depth + 1, out);
  }
}

std::vector<std::pair<HWND, int>> Children(HWND parent) {
  std::vector<std::pair<HWND, int>> children;
  CollectChildren(parent, 1, children);
  return children;
}

}  // namespace

bool WindowMatches(HWND window, const std::string& class_name, const std::string& caption) {
  if (class_name != "*" && lstrcmpiA(ClassNameOf(window).c_str(), class_name.c_str()) != 0) return false;
  if (caption == "*") return true;
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return caption == text;
}

HWND FindVisibleTopLevel(const std::string& class_name, const std::string& caption, HWND skip) {
  Search search{class_name, caption, skip};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND parent, long id) {
  for (const auto& child : Children(parent))
    if ((IdOf(child.first) & 0xFFFF) == id) return child.first;
  return nullptr;
}

HWND FindButtonByCaption(HWND parent, const std::string& caption) {
  for (const auto& child : Children(parent))
    if (IsButton(child.first) && TextOf(child.first) == caption) return child.first;
  return nullptr;
}

std::string ClassNameOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window, bool* ok) {
  DWORD_PTR length = 0;
  const UINT flags = SMTO_ABORTIFHUNG | SMTO_BLOCK;
  bool answered = SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, flags, kAnswerMs, &length) != 0;
  std::string text;
  if (answered && length > 0) {
    std::vector<char> buffer(length + 1);
    DWORD_PTR copied = 0;
    answered = SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                                   flags, kAnswerMs, &copied) != 0;
    if (answered) text.assign(buffer.data(), copied < length ? copied : length);
  }
  if (ok) *ok = answered;
  return text;
}

bool SetTextOf(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &result) != 0 &&
         result != 0;
}

long IdOf(HWND window) { return GetWindowLongA(window, GWL_ID); }

void PressControl(HWND control) {
  if (IsButton(control)) {
    PostMessageA(control, BM_CLICK, 0, 0);
  } else {
    const WORD id = static_cast<WORD>(IdOf(control));
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  }
}

bool IsButton(HWND window) { return lstrcmpiA(ClassNameOf(window).c_str(), "Button") == 0; }

std::string Describe(HWND window) {
  char caption[512] = "";
  GetWindowTextA(window, caption, sizeof caption);
  return ClassNameOf(window) + " " + QuoteRobotText(caption);
}

std::string RectText(const RECT& rect) {
  char text[80];
  std::snprintf(text, sizeof text, "(%ld,%ld %ldx%ld)", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
  return text;
}

std::string DumpTree(HWND window) {
  if (!window || !IsWindow(window)) return "  (no current window)\n";
  std::vector<std::pair<HWND, int>> rows{{window, 0}};
  for (const auto& child : Children(window)) rows.push_back(child);
  std::string dump;
  for (const auto& row : rows) {
    HWND hwnd = row.first;
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    char line[160];
    std::snprintf(line, sizeof line, "%*s%-10s id 0x%04lX %-20s ", 2 + 2 * row.second, "",
                  ClassNameOf(hwnd).c_str(), IdOf(hwnd) & 0xFFFF, RectText(rect).c_str());
    dump += line;
    dump += QuoteRobotText(TextOf(hwnd));
    if (!IsWindowVisible(hwnd)) dump += " hidden";
    if (!IsWindowEnabled(hwnd)) dump += " disabled";
    dump += '\n';
  }
  return dump;
}
