// malloc and its family over the process heap. Every module we ship
// allocates there, so a block may be freed by another module than the one
// that allocated it (the setup program deletes the picture library's
// objects, and the library frees what the program's strings hold).
#include <cstdlib>
#include <cstring>

#include "crt.h"

namespace {
HANDLE Heap() { return ::GetProcessHeap(); }
}  // namespace

extern "C" void* malloc(size_t size) {
  // A request for 0 bytes still gets a block of its own.
  return ::HeapAlloc(Heap(), 0, size ? size : 1);
}

extern "C" void* calloc(size_t count, size_t size) {
  if (size && count > static_cast<size_t>(-1) / size) return nullptr;
  const size_t total = count * size;
  return ::HeapAlloc(Heap(), HEAP_ZERO_MEMORY, total ? total : 1);
}

extern "C" void free(void* block) {
  if (block) ::HeapFree(Heap(), 0, block);
}

extern "C" void* realloc(void* block, size_t size) {
  if (!block) return malloc(size);
  if (size == 0) {
    free(block);
    return nullptr;
  }
  // The old block stays as it was when the heap cannot grow it.
  return ::HeapReAlloc(Heap(), 0, block, size);
}
