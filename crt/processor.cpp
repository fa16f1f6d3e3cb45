// Which processor runs us: the programs are built for the 486 (cmake/
// mingw-i686.cmake), but Windows 95 also runs on a 386, where the first
// 486 instruction (BSWAP, XADD, CMPXCHG) would end the program with a
// fault. The start-up code asks before anything else runs, with 386
// instructions only, and says so in a message instead.
//
// The test: bit 18 of EFLAGS (alignment check) stays clear on a 386,
// whatever is written to it; a 486 keeps what is written.
#include "crt.h"

bool VtProcessorIs486() {
#if defined(__i386__)
  unsigned long before, after;
  __asm__ volatile(
      "pushfl\n\t"
      "popl %0\n\t"          // EFLAGS as it is
      "movl %0, %1\n\t"
      "xorl $0x40000, %1\n\t"  // the AC bit turned over
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"          // what the processor kept
      "pushl %0\n\t"
      "popfl"                // EFLAGS back as they were
      : "=&r"(before), "=&r"(after));
  return ((before ^ after) & 0x40000) != 0;
#else
  return true;  // every x86-64 processor is one
#endif
}
