#include "wnd.h"

#include <cstring>
#include <vector>

#include "core/text/format.h"
#include "thread_slot.h"

VT_IMPLEMENT_DYNAMIC(CWnd, CObject)

namespace {
// The property that ties a window to its CWnd. A string, not a module-local
// atom, so that every module's copy of the framework finds the same object.
const char kWndProp[] = "VtFramework.CWnd";

// The object whose window CreateEx is making on this thread: the window's
// first message ties the two together, before WM_NCCREATE and WM_CREATE.
CThreadSlot<CWnd> t_creating;

// The class names AfxRegisterWndClass hands out, kept for the program's
// life: a caller may hold one as long as its windows live. Windows are made
// on more than one thread, so the list has a lock.
class ClassNames {
 public:
  ClassNames() { ::InitializeCriticalSection(&m_lock); }
  // Leaves the names to the end of the process: a window may still be
  // looking at one while the module's statics are destroyed.
  ~ClassNames() { ::DeleteCriticalSection(&m_lock); }

  // NAME's own lasting copy.
  const char* Keep(const char* name) {
    ::EnterCriticalSection(&m_lock);
    Entry* e = m_first;
    while (e && std::strcmp(e->text, name) != 0) e = e->next;
    if (!e) {
      e = new Entry;
      std::strcpy(e->text, name);
      e->next = m_first;
      m_first = e;
    }
    ::LeaveCriticalSection(&m_lock);
    return e->text;
  }

 private:
  struct Entry {
    Entry* next;
    char text[96];
  };
  CRITICAL_SECTION m_lock;
  Entry* m_first = nullptr;
};
ClassNames g_classNames;

// The module this copy of the framework is linked into: window classes are
// registered there, so that their procedure and the module agree.
HINSTANCE FrameworkModule() {
  MEMORY_BASIC_INFORMATION info{};
  ::VirtualQuery(reinterpret_cast<const void*>(&FrameworkModule), &info, sizeof info);
  return static_cast<HINSTANCE>(info.AllocationBase);
}
}  // namespace

LRESULT CALLBACK VtWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (!wnd && t_creating.Get()) {
    wnd = t_creating.Get();
    t_creating.Set(nullptr);
    wnd->m_hWnd = hwnd;
    ::SetPropA(hwnd, kWndProp, wnd);
  }
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  return wnd->Dispatch(message, wParam, lParam);
}

const char* AfxRegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  char text[96];
  HINSTANCE module = FrameworkModule();
  FormatText(text, sizeof text, "Vt:%p:%x:%p:%p:%p", static_cast<void*>(module), style,
             static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
  const char* name = g_classNames.Keep(text);
  WNDCLASSA wc{};
  if (::GetClassInfoA(module, name, &wc)) return name;
  wc.style = style;
  wc.lpfnWndProc = VtWndProc;
  wc.hInstance = module;
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return ::RegisterClassA(&wc) ? name : nullptr;
}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kWndProp)) : nullptr;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

BOOL CWnd::Attach(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandlePermanent(hwnd)) return FALSE;
  m_hWnd = hwnd;
  ::SetPropA(hwnd, kWndProp, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd && FromHandlePermanent(hwnd) == this) ::RemovePropA(hwnd, kWndProp);
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return FALSE;
  WNDPROC old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(VtWndProc)));
  m_pfnSuper = old == VtWndProc ? nullptr : old;
  return TRUE;
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper && m_hWnd)
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu, void* param) {
  if (m_hWnd || !className) return FALSE;
  CWnd* outer = t_creating.Get();
  t_creating.Set(this);
  HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                menu, FrameworkModule(), param);
  bool claimed = t_creating.Get() != this;
  t_creating.Set(outer);
  // A window of a class that is not ours: route its messages from now on.
  if (hwnd && !claimed) SubclassWindow(hwnd);
  return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return FALSE;
  BOOL done = ::DestroyWindow(hwnd);
  // A window tied by Attach only never sees our WM_NCDESTROY handling.
  if (m_hWnd == hwnd && !::IsWindow(hwnd)) m_hWnd = nullptr;
  return done;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  MSG outer = m_msgCur;
  m_msgCur.hwnd = m_hWnd;
  m_msgCur.message = message;
  m_msgCur.wParam = wParam;
  m_msgCur.lParam = lParam;
  LRESULT result = WindowProc(message, wParam, lParam);
  m_msgCur = outer;
  if (message == WM_NCDESTROY) {
    Detach();
    m_pfnSuper = nullptr;
    PostNcDestroy();  // may delete this
  }
  return result;
}

const VtMsgMap* CWnd::GetThisMessageMap() {
  static const VtMsgMapEntry none[] = {{0, 0, 0, 0, nullptr}};
  static const VtMsgMap map = {nullptr, none};
  return &map;
}

const VtMsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const VtMsgMapEntry* entry = VtFindMessageEntry(GetMessageMap(), message, wParam, lParam))
    return entry->pfn(this, wParam, lParam);
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_msgCur.message, m_msgCur.wParam, m_msgCur.lParam);
}

CString CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buf(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  ::GetWindowTextA(m_hWnd, buf.data(), static_cast<int>(buf.size()));
  return CString(buf.data());
}

void CWnd::CenterWindow(HWND alternateOwner) {
  LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
  RECT self, area, over;
  ::GetWindowRect(m_hWnd, &self);
  HWND center = alternateOwner;
  if (style & WS_CHILD) {
    // A child is centred in its parent's client area, in parent coordinates.
    HWND parent = ::GetParent(m_hWnd);
    ::GetClientRect(parent, &area);
    over = area;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&self), 2);
  } else {
    if (!center) center = ::GetWindow(m_hWnd, GW_OWNER);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    if (center && ::IsWindowVisible(center) && !::IsIconic(center))
      ::GetWindowRect(center, &over);
    else
      over = area;
  }
  int width = self.right - self.left, height = self.bottom - self.top;
  int x = over.left + (over.right - over.left - width) / 2;
  int y = over.top + (over.bottom - over.top - height) / 2;
  // Keep it on the screen (or in the parent) where it fits.
  if (x + width > area.right) x = area.right - width;
  if (x < area.left) x = area.left;
  if (y + height > area.bottom) y = area.bottom - height;
  if (y < area.top) y = area.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
