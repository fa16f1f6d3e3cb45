// Static constructors and destructors, and the atexit list. Each module
// links its own copy of the runtime, so each DLL has its own list, run
// when it is unloaded, as the compiler expects of atexit in a DLL.
#include <cstdlib>

#include "crt.h"

// The linker's script gathers the constructors between these two symbols:
// -1, the entries in link order, 0. The destructors likewise.
extern "C" void (*__CTOR_LIST__[])();
extern "C" void (*__DTOR_LIST__[])();

namespace {
CRITICAL_SECTION g_lock;
bool g_lockReady = false;

// The atexit list: a block of entries for the usual few, then more from
// the heap, linked newest first.
struct ExitBlock {
  ExitBlock* next;
  int used;
  void (*fn[16])();
};
ExitBlock g_firstBlock{};
ExitBlock* g_exits = nullptr;
}  // namespace

void VtCrtInit() {
  if (g_lockReady) return;
  ::InitializeCriticalSection(&g_lock);
  g_lockReady = true;
}

void VtCrtLock() { ::EnterCriticalSection(&g_lock); }
void VtCrtUnlock() { ::LeaveCriticalSection(&g_lock); }

void VtRunConstructors() {
  // The list ends in 0; it is run from its end, so that what an object
  // file registers last runs first, as the compiler orders it.
  size_t n = 0;
  while (__CTOR_LIST__[n + 1]) ++n;
  for (size_t i = n; i >= 1; --i) __CTOR_LIST__[i]();
}

extern "C" int atexit(void (*fn)()) {
  if (!fn) return -1;
  VtCrtLock();
  if (!g_exits) g_exits = &g_firstBlock;
  if (g_exits->used == static_cast<int>(sizeof g_exits->fn / sizeof g_exits->fn[0])) {
    auto* block = static_cast<ExitBlock*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ExitBlock)));
    if (!block) {
      VtCrtUnlock();
      return -1;
    }
    block->next = g_exits;
    g_exits = block;
  }
  g_exits->fn[g_exits->used++] = fn;
  VtCrtUnlock();
  return 0;
}

void VtRunExitList() {
  // An exit function may register another: take one at a time.
  for (;;) {
    void (*fn)() = nullptr;
    VtCrtLock();
    while (g_exits && g_exits->used == 0) {
      ExitBlock* done = g_exits;
      g_exits = done->next;
      if (done != &g_firstBlock) ::HeapFree(::GetProcessHeap(), 0, done);
    }
    if (g_exits) fn = g_exits->fn[--g_exits->used];
    VtCrtUnlock();
    if (!fn) break;
    fn();
  }
  for (size_t i = 1; __DTOR_LIST__[i]; ++i) __DTOR_LIST__[i]();
}
