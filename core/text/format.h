#pragma once
#include <cstdarg>
#include <cstddef>
int FormatTextV(char* buffer, size_t size, const char* format, va_list args);
int FormatText(char* buffer, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
