#include "report.h"

#include <cstdarg>
#include <cstring>

#include "core/text/format.h"

namespace {
ReportSink g_sink = nullptr;
}

void SetReportSink(ReportSink sink) { g_sink = sink; }

int ReportError(int level, const char* format, const char* file, int line, ...) {
  if (!g_sink) return level;
  // Every report's format starts with the file and line ("%s:%d"); the
  // rest of it takes the further arguments.
  char text[512];
  int n = FormatText(text, sizeof text, "%s:%d", file, line);
  const char* rest = std::strncmp(format, "%s:%d", 5) == 0 ? format + 5 : format;
  if (n > 0 && static_cast<size_t>(n) < sizeof text) {
    va_list args;
    va_start(args, line);
    FormatTextV(text + n, sizeof text - n, rest, args);
    va_end(args);
  }
  g_sink(level, text);
  return level;
}
