// The single diagnostic channel. The core formats; the program decides where
// the text goes (the setup program's log file, or nothing at all).
#pragma once
#include <cstddef>

// Receives one formatted text, exactly as formatted (no line end added).
using LogSinkFn = void (*)(const char* text, size_t length);

// Installs the receiver; nullptr switches logging off (the default).
void SetLogSink(LogSinkFn sink);
bool LogEnabled();

// printf-style log text. Texts of 512 bytes or more are dropped whole, as the
// setup log has always done; shorter ones reach the sink in one piece.
void LogPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

constexpr size_t kLogLineLimit = 512;
