#include "core/sync/lock.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
using PlatformLock = CRITICAL_SECTION;
#else
#include <mutex>
using PlatformLock = std::recursive_mutex;
#endif

static_assert(sizeof(PlatformLock) <= 64, "Lock::m_storage is too small for the platform's lock");

namespace {
PlatformLock& Of(unsigned char* storage) { return *std::launder(reinterpret_cast<PlatformLock*>(storage)); }
}  // namespace

#ifdef _WIN32
Lock::Lock() { ::InitializeCriticalSection(new (m_storage) CRITICAL_SECTION); }
Lock::~Lock() { ::DeleteCriticalSection(&Of(m_storage)); }
void Lock::lock() { ::EnterCriticalSection(&Of(m_storage)); }
void Lock::unlock() { ::LeaveCriticalSection(&Of(m_storage)); }
#else
Lock::Lock() { new (m_storage) std::recursive_mutex; }
Lock::~Lock() { Of(m_storage).~recursive_mutex(); }
void Lock::lock() { Of(m_storage).lock(); }
void Lock::unlock() { Of(m_storage).unlock(); }
#endif
