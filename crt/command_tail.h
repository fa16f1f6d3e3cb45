// The command line a program's WinMain receives: what follows the
// program's own name. The name is quoted ("C:\Program Files\x.exe" R&U) or
// ends at the first blank or control character; the blanks and control
// characters after it are skipped, as the system's own runtimes did.
// Portable, so that it is tested natively.
#pragma once

inline const char* VtCommandTail(const char* line) {
  if (!line) return "";
  auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
  const char* p = line;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && !blank(*p)) ++p;
  }
  while (blank(*p)) ++p;
  return p;
}
