// CThreadSlot<T>: one pointer per thread, in a thread-local slot of the
// system's (TlsAlloc), which it owns for its lifetime. In place of
// thread_local: the compiler implements that with emulated TLS from a
// runtime our programs do not link, and Windows 95 gives a DLL loaded at
// run time no other kind of thread-local storage.
#pragma once
#include <windows.h>

template <class T>
class CThreadSlot {
 public:
  CThreadSlot() : m_index(::TlsAlloc()) {}
  ~CThreadSlot() {
    if (m_index != TLS_OUT_OF_INDEXES) ::TlsFree(m_index);
  }
  CThreadSlot(const CThreadSlot&) = delete;
  CThreadSlot& operator=(const CThreadSlot&) = delete;

  // nullptr until this thread sets it (and when the system had no slot).
  T* Get() const {
    return m_index == TLS_OUT_OF_INDEXES ? nullptr : static_cast<T*>(::TlsGetValue(m_index));
  }
  void Set(T* value) {
    if (m_index != TLS_OUT_OF_INDEXES) ::TlsSetValue(m_index, value);
  }

 private:
  DWORD m_index;
};
