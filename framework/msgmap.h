// Message maps. Each window class lists the messages it handles in a small
// static table chained to its base class's table; the one window procedure
// (CWnd::WindowProc) looks a message up there, the most derived table
// first, and hands whatever no table lists to the default procedure.
//
//   class CMyDlg : public CDialog {
//     ...
//    protected:
//     void OnTimer(UINT_PTR id);
//     void OnBrowse();
//     VT_DECLARE_MESSAGE_MAP()
//   };
//
//   VT_BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     VT_ON_WM_TIMER()
//     VT_ON_COMMAND(IDC_BROWSE, OnBrowse)
//   VT_END_MESSAGE_MAP()
//
// Handlers are plain members (virtual ones dispatch virtually). Every entry
// checks its handler's signature when it is compiled, so a handler of the
// wrong shape is an error, not a crash. A handler that wants the default
// processing as well calls Default().
//
// Who calls what: CWnd::WindowProc calls VtFindMessageEntry with the
// object's GetMessageMap() and then the entry's call, which unpacks the
// message for the handler. A class exported from a DLL exports its
// GetThisMessageMap with it, so a program's class can chain to it.
#pragma once
#include <windows.h>

#include <type_traits>

#include "geometry.h"


class CWnd;
class CDC;

// Unpacks a message for one handler and packs its answer into what the
// window procedure returns.
using VtMsgCall = LRESULT (*)(CWnd* wnd, WPARAM wParam, LPARAM lParam);

// An entry for WM_COMMAND or WM_NOTIFY matches a notification code (or any
// code) and a range of control ids; an entry for any other message matches
// the message alone.
struct VtMsgMapEntry {
  UINT nMessage;  // 0 ends the table
  UINT nCode;     // commands and notifications: the code, or kVtAnyCode
  UINT nID;       // commands and notifications: the first and last id
  UINT nLastID;
  VtMsgCall pfn;
};

struct VtMsgMap {
  const VtMsgMap* (*pfnGetBaseMap)();  // NULL for the root
  const VtMsgMapEntry* lpEntries;
};

constexpr UINT kVtAnyCode = 0xFFFFFFFFu;

// The first entry for the message in map or, failing that, in its bases;
// NULL when no table lists it.
const VtMsgMapEntry* VtFindMessageEntry(const VtMsgMap* map, UINT message, WPARAM wParam,
                                        LPARAM lParam);

// --- the calls behind the entries ---
namespace vtmsg {

template <class>
struct Member;
template <class C, class F>
struct Member<F C::*> {
  using Class = C;
  using Type = F;
};

// The handler is a member of T (or of a base of T) of exactly this type.
template <class T, auto F, class Sig>
constexpr bool kFits = std::is_same_v<typename Member<decltype(F)>::Type, Sig> &&
                       std::is_base_of_v<typename Member<decltype(F)>::Class, T>;

#define VT_MSG_HANDLER(sig) \
  static_assert(::vtmsg::kFits<T, F, sig>, "this entry's handler must be: " #sig)

template <class T, auto F>
LRESULT Void(CWnd* w, WPARAM, LPARAM) {
  VT_MSG_HANDLER(void());
  (static_cast<T*>(w)->*F)();
  return 0;
}

template <class T, auto F>
LRESULT Bool(CWnd* w, WPARAM, LPARAM) {
  VT_MSG_HANDLER(BOOL());
  return (static_cast<T*>(w)->*F)();
}

template <class T, auto F>
LRESULT Create(CWnd* w, WPARAM, LPARAM l) {
  VT_MSG_HANDLER(int(CREATESTRUCTA*));
  return (static_cast<T*>(w)->*F)(reinterpret_cast<CREATESTRUCTA*>(l)) == -1 ? -1 : 0;
}

// Defined with CDC (framework/dc.h): the handler gets the erase DC wrapped.
LRESULT CallWithDC(CWnd* w, WPARAM wParam, BOOL (*call)(CWnd*, CDC*));
template <class T, auto F>
LRESULT EraseBkgnd(CWnd* w, WPARAM wParam, LPARAM) {
  VT_MSG_HANDLER(BOOL(CDC*));
  return CallWithDC(w, wParam, [](CWnd* self, CDC* dc) { return (static_cast<T*>(self)->*F)(dc); });
}

template <class T, auto F>
LRESULT Timer(CWnd* w, WPARAM wParam, LPARAM) {
  VT_MSG_HANDLER(void(UINT_PTR));
  (static_cast<T*>(w)->*F)(static_cast<UINT_PTR>(wParam));
  return 0;
}

template <class T, auto F>
LRESULT Window(CWnd* w, WPARAM wParam, LPARAM) {
  VT_MSG_HANDLER(void(HWND));
  (static_cast<T*>(w)->*F)(reinterpret_cast<HWND>(wParam));
  return 0;
}

template <class T, auto F>
LRESULT Mouse(CWnd* w, WPARAM wParam, LPARAM lParam) {
  VT_MSG_HANDLER(void(UINT, CPoint));
  (static_cast<T*>(w)->*F)(static_cast<UINT>(wParam),
                           CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
  return 0;
}

template <class T, auto F>
LRESULT Key(CWnd* w, WPARAM wParam, LPARAM lParam) {
  VT_MSG_HANDLER(void(UINT, UINT, UINT));
  (static_cast<T*>(w)->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
  return 0;
}

template <class T, auto F>
LRESULT Message(CWnd* w, WPARAM wParam, LPARAM lParam) {
  VT_MSG_HANDLER(LRESULT(WPARAM, LPARAM));
  return (static_cast<T*>(w)->*F)(wParam, lParam);
}

template <class T, auto F>
LRESULT CommandId(CWnd* w, WPARAM wParam, LPARAM) {
  VT_MSG_HANDLER(void(UINT));
  (static_cast<T*>(w)->*F)(LOWORD(wParam));
  return 0;
}

template <class T, auto F>
LRESULT CommandParam(CWnd* w, WPARAM wParam, LPARAM lParam) {
  VT_MSG_HANDLER(void(UINT, LPARAM));
  (static_cast<T*>(w)->*F)(HIWORD(wParam), lParam);
  return 0;
}

template <class T, auto F>
LRESULT Notify(CWnd* w, WPARAM, LPARAM lParam) {
  VT_MSG_HANDLER(void(NMHDR*, LRESULT*));
  LRESULT result = 0;
  (static_cast<T*>(w)->*F)(reinterpret_cast<NMHDR*>(lParam), &result);
  return result;
}

#undef VT_MSG_HANDLER
}  // namespace vtmsg

// --- declaring and defining a map ---

// In the class body (it ends in the public section).
#define VT_DECLARE_MESSAGE_MAP()              \
 public:                                      \
  static const VtMsgMap* GetThisMessageMap(); \
  const VtMsgMap* GetMessageMap() const override;

#define VT_BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
  const VtMsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const VtMsgMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                  \
    using TheBaseClass = baseClass;                                               \
    static const VtMsgMapEntry entries[] = {
#define VT_END_MESSAGE_MAP()                                                \
  {0, 0, 0, 0, nullptr}};                                                   \
  static const VtMsgMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                              \
  }

// --- entries: one message and its handler ---
#define VT_MSG_ENTRY(message, code, id, lastId, call, handler) \
  {message, code, id, lastId, &::vtmsg::call<ThisClass, &ThisClass::handler>},

// int OnCreate(CREATESTRUCTA*): -1 refuses the window.
#define VT_ON_WM_CREATE() VT_MSG_ENTRY(WM_CREATE, 0, 0, 0, Create, OnCreate)
#define VT_ON_WM_DESTROY() VT_MSG_ENTRY(WM_DESTROY, 0, 0, 0, Void, OnDestroy)
#define VT_ON_WM_CLOSE() VT_MSG_ENTRY(WM_CLOSE, 0, 0, 0, Void, OnClose)
#define VT_ON_WM_PAINT() VT_MSG_ENTRY(WM_PAINT, 0, 0, 0, Void, OnPaint)
// BOOL OnEraseBkgnd(CDC*): TRUE when erased.
#define VT_ON_WM_ERASEBKGND() VT_MSG_ENTRY(WM_ERASEBKGND, 0, 0, 0, EraseBkgnd, OnEraseBkgnd)
// void OnTimer(UINT_PTR id)
#define VT_ON_WM_TIMER() VT_MSG_ENTRY(WM_TIMER, 0, 0, 0, Timer, OnTimer)
// void OnLButtonDown(UINT flags, CPoint point), in client coordinates.
#define VT_ON_WM_LBUTTONDOWN() VT_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, Mouse, OnLButtonDown)
// void OnKeyDown(UINT key, UINT repeat, UINT flags)
#define VT_ON_WM_KEYDOWN() VT_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0, Key, OnKeyDown)
// BOOL OnQueryNewPalette(): TRUE when a palette was realised.
#define VT_ON_WM_QUERYNEWPALETTE() \
  VT_MSG_ENTRY(WM_QUERYNEWPALETTE, 0, 0, 0, Bool, OnQueryNewPalette)
// void OnPaletteChanged(HWND changedBy)
#define VT_ON_WM_PALETTECHANGED() \
  VT_MSG_ENTRY(WM_PALETTECHANGED, 0, 0, 0, Window, OnPaletteChanged)
// BOOL OnQueryEndSession(): FALSE keeps the session going.
#define VT_ON_WM_QUERYENDSESSION() \
  VT_MSG_ENTRY(WM_QUERYENDSESSION, 0, 0, 0, Bool, OnQueryEndSession)
// LRESULT handler(WPARAM, LPARAM): any message, parameters as they come.
#define VT_ON_MESSAGE(message, handler) VT_MSG_ENTRY(message, 0, 0, 0, Message, handler)

// void handler(): a button click, menu item or the dialog's Enter/Escape
// (notification code 0).
#define VT_ON_COMMAND(id, handler) VT_MSG_ENTRY(WM_COMMAND, 0, id, id, Void, handler)
// void handler(UINT id): code 0 from any id of first..last.
#define VT_ON_COMMAND_RANGE(first, last, handler) \
  VT_MSG_ENTRY(WM_COMMAND, 0, first, last, CommandId, handler)
// void handler(): one notification code from one control.
#define VT_ON_CONTROL(code, id, handler) VT_MSG_ENTRY(WM_COMMAND, code, id, id, Void, handler)
// void handler(UINT code, LPARAM param): every code of one id, with the
// message's own parameter (commands that carry a value or a text).
#define VT_ON_COMMAND_PARAM(id, handler) \
  VT_MSG_ENTRY(WM_COMMAND, kVtAnyCode, id, id, CommandParam, handler)
// void handler(NMHDR*, LRESULT* result): a WM_NOTIFY code from one control.
#define VT_ON_NOTIFY(code, id, handler) \
  VT_MSG_ENTRY(WM_NOTIFY, static_cast<UINT>(code), id, id, Notify, handler)
