// Looking at the windows of other programs: finding them, reading their
// texts and describing them for failure messages.
#pragma once
#include <windows.h>

#include <string>

// Class or caption "*" matches any.
bool WindowMatches(HWND window, const std::string& class_name, const std::string& caption);
// The first visible top-level window other than `skip` that matches, top of
// the Z order first. Skipping lets a scenario wait for the next dialog or
// box of the same caption while the current one is still on the screen.
HWND FindVisibleTopLevel(const std::string& class_name, const std::string& caption, HWND skip);
// The first child (at any depth) of `parent` whose id's low word is `id`;
// dialog templates store ids as 16-bit words, so 0xFFFF and -1 are the same.
HWND FindControl(HWND parent, long id);
// The first button child whose caption is exactly `caption`.
HWND FindButtonByCaption(HWND parent, const std::string& caption);

std::string ClassNameOf(HWND window);
// WM_GETTEXT, which unlike GetWindowText reads an edit control of another
// process; empty with `ok` false when the window does not answer in time.
std::string TextOf(HWND window, bool* ok = nullptr);
bool SetTextOf(HWND window, const std::string& text);
long IdOf(HWND window);
bool IsButton(HWND window);
// Presses a control as a user would; posted, because a button that opens a
// modal box does not return from BM_CLICK until the box closes.
void PressControl(HWND control);

// `#32770 "Caption"`, for messages.
std::string Describe(HWND window);
// "(x,y WxH)" in screen pixels.
std::string RectText(const RECT& rect);
// The window and all its children, one line each, indented by depth.
std::string DumpTree(HWND window);
