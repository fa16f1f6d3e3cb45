#include "core/log/log_sink.h"

#include <atomic>
#include <cstdarg>

#include "core/text/format.h"

namespace {
std::atomic<LogSinkFn> g_sink{nullptr};
}

void SetLogSink(LogSinkFn sink) { g_sink.store(sink); }

bool LogEnabled() { return g_sink.load() != nullptr; }

void LogPrintf(const char* format, ...) {
  const LogSinkFn sink = g_sink.load();
  if (!sink) return;
  char buffer[kLogLineLimit];
  va_list args;
  va_start(args, format);
  const int n = FormatTextV(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0 || static_cast<size_t>(n) >= sizeof buffer) return;
  sink(buffer, static_cast<size_t>(n));
}
