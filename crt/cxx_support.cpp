// What the compiler's C++ code calls into: pure virtual calls, the guards
// of local statics, and the standard library's error paths.
//
// The programs are built without exceptions, so where the library would
// throw (a string grown past its maximum, an index out of range, memory
// exhausted) the program ends with a message instead. None of these
// happens in a sound run; they are broken preconditions.
#include <bits/functexcept.h>

#include <cstdint>
#include <new>

#include "crt.h"
#include "crt_texts.h"

namespace {
// "An internal error occurred (WHAT)", in a static buffer: this runs when
// the program cannot go on, perhaps with its heap exhausted.
[[noreturn]] void LibraryError(const char* what) {
  static char text[160];
  size_t n = 0;
  auto put = [&](const char* s) {
    while (*s && n + 1 < sizeof text) text[n++] = *s++;
  };
  put(kLibraryError);
  if (what && *what) {
    put(" (");
    put(what);
    put(")");
  }
  put(".");
  text[n] = '\0';
  VtFatal(text);
}
}  // namespace

// new (std::nothrow) names this object; the operators are in new.cpp.
const std::nothrow_t std::nothrow{};

extern "C" void __cxa_pure_virtual() { VtFatal(kPureVirtual); }
extern "C" void __cxa_deleted_virtual() { VtFatal(kPureVirtual); }

// A local static is built once, by the first thread to reach it; others
// wait on the runtime's lock. The guard's first byte says "built". The
// lock is held while the object is built, and it is recursive, so a
// constructor may reach other local statics on the same thread.
extern "C" int __cxa_guard_acquire(int64_t* guard) {
  auto* done = reinterpret_cast<volatile char*>(guard);
  if (*done) return 0;
  VtCrtLock();
  if (*done) {
    VtCrtUnlock();
    return 0;
  }
  return 1;
}

extern "C" void __cxa_guard_release(int64_t* guard) {
  *reinterpret_cast<volatile char*>(guard) = 1;
  VtCrtUnlock();
}

extern "C" void __cxa_guard_abort(int64_t*) { VtCrtUnlock(); }

namespace std {
void __throw_bad_exception() { LibraryError("bad exception"); }
void __throw_bad_alloc() { VtFatal(kOutOfMemory); }
void __throw_bad_array_new_length() { VtFatal(kOutOfMemory); }
void __throw_bad_cast() { LibraryError("bad cast"); }
void __throw_bad_typeid() { LibraryError("bad typeid"); }
void __throw_logic_error(const char* what) { LibraryError(what); }
void __throw_domain_error(const char* what) { LibraryError(what); }
void __throw_invalid_argument(const char* what) { LibraryError(what); }
void __throw_length_error(const char* what) { LibraryError(what); }
void __throw_out_of_range(const char* what) { LibraryError(what); }
// The format's arguments are not worth a formatter here: its text says
// which check failed.
void __throw_out_of_range_fmt(const char* what, ...) { LibraryError(what); }
void __throw_runtime_error(const char* what) { LibraryError(what); }
void __throw_range_error(const char* what) { LibraryError(what); }
void __throw_overflow_error(const char* what) { LibraryError(what); }
void __throw_underflow_error(const char* what) { LibraryError(what); }
void __throw_ios_failure(const char* what) { LibraryError(what); }
void __throw_ios_failure(const char* what, int) { LibraryError(what); }
void __throw_system_error(int) { LibraryError("system error"); }
void __throw_future_error(int) { LibraryError("future error"); }
void __throw_bad_function_call() { LibraryError("bad function call"); }
}  // namespace std
