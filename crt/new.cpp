// The global operator new and delete, over the process heap as malloc is
// (heap.cpp says why). An allocation that fails ends the program with a
// message: the programs are built without exceptions, and a request the
// heap cannot meet on a Windows 95 machine with its swap file means the
// machine is out of memory altogether.
//
// The Windows test programs link this file too, in place of the standard
// library's operators, so that they and the picture library allocate alike.
#include <windows.h>

#include <cstddef>
#include <new>

#include "crt_texts.h"

[[noreturn]] void VtFatal(const char* reason);

namespace {
void* Allocate(std::size_t size) {
  void* block = ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1);
  if (!block) VtFatal(kOutOfMemory);
  return block;
}

void Release(void* block) {
  if (block) ::HeapFree(::GetProcessHeap(), 0, block);
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1);
}

void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
