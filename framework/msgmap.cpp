#include "msgmap.h"

#include "dc.h"

namespace {

bool Matches(const VtMsgMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if (entry.nMessage != message) return false;
  UINT code, id;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  } else if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return false;
    code = header->code;
    id = static_cast<UINT>(header->idFrom);
  } else {
    return true;
  }
  return (entry.nCode == kVtAnyCode || entry.nCode == code) && id >= entry.nID &&
         id <= entry.nLastID;
}

// Class trees are a handful of levels deep; a longer chain is a table
// that names itself as its base.
constexpr int kMaxMapDepth = 64;

}  // namespace

const VtMsgMapEntry* VtFindMessageEntry(const VtMsgMap* map, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  for (int depth = 0; map && depth < kMaxMapDepth; ++depth) {
    for (const VtMsgMapEntry* entry = map->lpEntries; entry && entry->pfn; ++entry)
      if (Matches(*entry, message, wParam, lParam)) return entry;
    map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr;
  }
  return nullptr;
}

namespace vtmsg {
LRESULT CallWithDC(CWnd* w, WPARAM wParam, BOOL (*call)(CWnd*, CDC*)) {
  CDC dc;
  dc.Attach(reinterpret_cast<HDC>(wParam));
  BOOL result = call(w, &dc);
  dc.Detach();  // the DC belongs to the system
  return result;
}
}  // namespace vtmsg
