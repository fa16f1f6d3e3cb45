// printf-style formatting of our own, for every program and tool: the
// programs we ship have no C runtime to take one from (crt/), and the
// toolchain's own carries Pentium Pro instructions.
//
// Format notes (what FormatTextV understands):
//   %[flags][width][.precision][length]conversion
//   flags       - + space # 0
//   width       digits, or * (an int argument; negative means the - flag)
//   precision   .digits, or .* (an int argument; negative means none)
//   length      hh h l ll z j t, and I32 I64 as the Microsoft runtime
//               writes them
//   conversion  d i u o x X c s p %
// %s of a null pointer prints "(null)", as the Microsoft runtime did, and
// %p prints the pointer as it did too: upper-case hexadecimal, zero-padded
// to the pointer's width, no "0x". Floating point (e f g a, L), %n (which
// writes memory) and any other conversion are not supported.
//
// Result codes: the length the whole text has (without its NUL), even when
// the buffer holds only its start; -1 for a format with something not
// supported, or cut off after a '%'.
#pragma once
#include <cstdarg>
#include <cstddef>

// At most size-1 characters and a NUL go into buffer (nothing when size is
// 0: buffer may then be nullptr). After -1 the buffer holds "".
int FormatTextV(char* buffer, size_t size, const char* format, va_list args)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 0)))
#endif
    ;
int FormatText(char* buffer, size_t size, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
