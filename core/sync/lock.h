// Lock: a recursive lock for data that more than one thread touches (the
// token table; the setup's dialogs use it too). std::lock_guard works over
// it.
//
// In place of std::mutex: the programs we ship link none of the
// toolchain's thread library (its posix layer imports functions Windows 95
// lacks), and on Windows this is a critical section, which Windows 95 has.
// Natively it is a std::recursive_mutex, so that the tests see the same
// recursion the critical section allows.
//
// The one file of the core that knows its platform is lock.cpp.
#pragma once
#include <cstddef>

class Lock {
 public:
  Lock();
  ~Lock();
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  void lock();
  void unlock();

 private:
  // Room for the platform's lock object, which lock.cpp places here; big
  // enough for a 64-bit critical section or mutex (checked there).
  alignas(void*) unsigned char m_storage[64];
};
