// The shipped programs' runtime (crt/), tested as they use it: this program
// is linked like them (vt_shipped) and run under Wine. A console program of
// its own checks, as GoogleTest needs the runtime this replaces.
//   crt_test            every check; "crt_test: N checks passed" or the
//                       failures, exit 1
//   crt_test exit-order registers exit functions that print as they run
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/text/format.h"
#include "crt/crt.h"
#include "map_workout.h"

namespace {
int g_checks = 0, g_failures = 0;

void Print(const std::string& text) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Check(bool ok, const char* what, const std::string& detail = "") {
  ++g_checks;
  if (ok) return;
  ++g_failures;
  Print(std::string("FAIL: ") + what + (detail.empty() ? "" : ": " + detail) + "\n");
}

// Static constructors: these two run in this order, before WinMain.
int g_order = 0;
struct Recorder {
  explicit Recorder(int expected) : seen(++g_order), wanted(expected) {}
  int seen, wanted;
};
Recorder g_first(1), g_second(2);

// A byte pattern that tells every position apart.
std::vector<unsigned char> Pattern(size_t n, unsigned seed) {
  std::vector<unsigned char> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<unsigned char>(i * 7 + seed);
  return v;
}

// Copies, moves and fills at every length to 70 and every alignment to 8,
// against plain loops; a guard byte on each side must stay untouched.
void MemoryFunctions() {
  bool copy = true, move = true, fill = true, compare = true, length = true;
  for (size_t n = 0; n <= 70; ++n) {
    for (size_t a = 0; a < 8; ++a) {
      std::vector<unsigned char> src = Pattern(n + 16, 3), dst(n + 16, 0xEE);
      std::memcpy(&dst[a + 1], &src[a], n);
      for (size_t i = 0; i < dst.size(); ++i)
        copy &= dst[i] == (i >= a + 1 && i < a + 1 + n ? src[i - 1] : 0xEE);

      std::vector<unsigned char> buf = Pattern(n + 16, 5), want = buf;
      for (size_t i = n; i-- > 0;) want[a + 3 + i] = want[a + i];  // up by 3, overlapping
      std::memmove(&buf[a + 3], &buf[a], n);
      move &= buf == want;
      buf = Pattern(n + 16, 9), want = buf;
      for (size_t i = 0; i < n; ++i) want[a + i] = want[a + 3 + i];  // down by 3
      std::memmove(&buf[a], &buf[a + 3], n);
      move &= buf == want;

      std::vector<unsigned char> f(n + 16, 0xEE);
      std::memset(&f[a + 1], 0xA5, n);
      for (size_t i = 0; i < f.size(); ++i) fill &= f[i] == (i >= a + 1 && i < a + 1 + n ? 0xA5 : 0xEE);

      std::vector<unsigned char> p = Pattern(n + 1, 1), q = p;
      compare &= std::memcmp(p.data(), q.data(), n) == 0;
      if (n) {
        q[n - 1] = static_cast<unsigned char>(p[n - 1] + 1);
        compare &= std::memcmp(p.data(), q.data(), n) < 0 && std::memcmp(q.data(), p.data(), n) > 0;
      }
      std::string s(n, 'x');
      length &= std::strlen(s.c_str()) == n;
    }
  }
  Check(copy, "memcpy at every length and alignment");
  Check(move, "memmove overlapping both ways");
  Check(fill, "memset at every length and alignment");
  Check(compare, "memcmp");
  Check(length, "strlen");
  // Bytes above 127 compare as unsigned, as the C library says.
  Check(std::memcmp("\x80", "\x01", 1) > 0 && std::strcmp("a\xE9", "az") > 0 && std::strncmp("abc", "abd", 2) == 0,
        "comparisons are unsigned and bounded");
  const char* abc = "abc";
  const char* path = "a\\b\\c";
  Check(std::strchr(abc, 'c') == abc + 2 && std::strchr(abc, '\0') == abc + 3 && !std::strchr(abc, 'z') &&
            std::strrchr(path, '\\') == path + 3 && !std::strrchr(abc, '\\'),
        "strchr and strrchr");
  Check(std::memchr(abc, 'b', 3) == abc + 1 && std::memchr(abc, 'c', 2) == nullptr, "memchr");
  Check(std::toupper('a') == 'A' && std::toupper('\xE9') == '\xE9' && std::tolower('Z') == 'z' && std::toupper('1') == '1',
        "toupper and tolower change only A to Z");
  Check(std::atoi(" \t-42x") == -42 && std::atoi("+7") == 7 && std::atoi("x1") == 0 && std::atoi("") == 0,
        "atoi");
}

void Heap() {
  void* p = std::malloc(0);
  Check(p != nullptr, "malloc(0) gives a block");
  std::free(p);
  std::free(nullptr);
  volatile size_t huge = static_cast<size_t>(-1) / 2;  // not folded into a warning
  Check(std::calloc(huge, 4) == nullptr, "calloc refuses a size that overflows");
  auto* z = static_cast<unsigned char*>(std::calloc(100, 3));
  bool zero = z != nullptr;
  for (int i = 0; zero && i < 300; ++i) zero = z[i] == 0;
  Check(zero, "calloc clears");
  auto* r = static_cast<unsigned char*>(std::realloc(z, 100000));
  bool kept = r != nullptr;
  for (int i = 0; kept && i < 300; ++i) kept = r[i] == 0;
  Check(kept, "realloc keeps the contents");
  std::free(r);
  // A block from new is a process-heap block: another module may free it.
  int* n = new int(5);
  Check(::HeapSize(::GetProcessHeap(), 0, n) >= sizeof(int), "new allocates from the process heap");
  delete n;
}

void Strings() {
  std::string s;
  for (int i = 0; i < 1000; ++i) s += static_cast<char>('a' + i % 26);
  Check(s.size() == 1000 && s[999] == 'a' + 999 % 26, "a string grows");
  s.insert(0, "head:");
  s.replace(5, 3, "XY");
  // The letters from 'd' on moved up by 5 - 3 + 2: the last 'z' (987) to 991.
  Check(s.size() == 1004 && s.compare(0, 8, "head:XYd") == 0 && s.find("XY") == 5 && s.rfind('z') == 991,
        "insert, replace, find", s.substr(0, 12));
  std::string t = s.substr(5, 2) + std::string(3, '!');
  Check(t == "XY!!!", "substr and concatenation", t);
  std::string shrunk(s);
  shrunk.resize(3);
  shrunk.shrink_to_fit();
  Check(shrunk == "hea" && s.size() == 1004, "copies are independent");
  char text[32];
  Check(FormatText(text, sizeof text, "%s=%d", "n", -5) == 4 && std::string(text) == "n=-5", "the formatter",
        text);
}

// Inserts and erases at random, against a plain table (map_workout.h).
void Maps() {
  const MapWorkout w = RunMapWorkout(12345, 20000, 512);
  Check(w.sound, "the map stays a red-black tree");
  Check(w.same, "the map holds what was put in, in order, both ways");
  Check(w.emptied, "a map emptied from its start is empty");
}

// A local static built by the first of several threads to reach it.
LONG g_builds = 0;
int Shared() {
  struct Slow {
    Slow() {
      ::InterlockedIncrement(&g_builds);
      ::Sleep(50);  // the other threads arrive while this one builds
    }
    int value = 7;
  };
  static Slow s;
  return s.value;
}

DWORD WINAPI ReachShared(LPVOID result) {
  *static_cast<int*>(result) = Shared();
  return 0;
}

void LocalStatics() {
  HANDLE threads[4];
  int results[4] = {};
  for (int i = 0; i < 4; ++i) threads[i] = ::CreateThread(nullptr, 0, ReachShared, &results[i], 0, nullptr);
  ::WaitForMultipleObjects(4, threads, TRUE, 10000);
  for (HANDLE h : threads) ::CloseHandle(h);
  Check(g_builds == 1, "a local static is built once", std::to_string(g_builds));
  Check(results[0] == 7 && results[1] == 7 && results[2] == 7 && results[3] == 7, "every thread sees it built");
}

// Exit functions run last registered first, and static destructors with
// them, after WinMain returns.
struct SaysAtExit {
  ~SaysAtExit() { Print(" ~static\n"); }
};
void One() { Print(" 1"); }
void Two() { Print(" 2"); }
void Three() {
  Print(" 3");
  std::atexit(Two);  // registered while the list runs: runs next
}

int ExitOrder() {
  static SaysAtExit s;  // registered first, so it runs last
  std::atexit(One);
  std::atexit(Three);
  Print("exit order:");
  return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int) {
  if (std::strcmp(cmdLine, "exit-order") == 0) return ExitOrder();
  if (*cmdLine) {
    Print(std::string("crt_test: unknown argument ") + cmdLine + "\n");
    return 2;
  }
  Check(g_first.seen == g_first.wanted && g_second.seen == g_second.wanted,
        "static constructors run before WinMain, in order");
  // (Only the answer a machine of today gives; no 386 is at hand.)
  Check(VtProcessorIs486(), "the processor is found to be a 486 or later");
  MemoryFunctions();
  Heap();
  Strings();
  Maps();
  LocalStatics();
  if (g_failures) {
    Print("crt_test: " + std::to_string(g_failures) + " of " + std::to_string(g_checks) + " checks failed\n");
    return 1;
  }
  Print("crt_test: " + std::to_string(g_checks) + " checks passed\n");
  return 0;
}
