// The run-once continuation: the setup program brings itself back after a
// restart of Windows with a command-line keyword ("R&U", "A_REBOOT", "3PI").
#pragma once

constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kRunOnceValue = "VTSetup";

// With `enable`, HKCU\...\RunOnce "VTSetup" becomes {SETUP_EXE}, a blank and
// the keyword (the blank even for an empty keyword); without, the empty
// text. The value is emptied, never deleted. A program path with a blank
// in it is quoted, or the keyword would not be the command line's tail.
void SetRunOnce(bool enable, const char* keyword);

// A continuation for the span of a hand-off: registered when made, emptied
// when it goes, whichever way the hand-off ends, unless Keep() was called
// (the user chose to restart Windows, so the next log-on must find it).
class RunOnceContinuation {
 public:
  explicit RunOnceContinuation(const char* keyword) { SetRunOnce(true, keyword); }
  ~RunOnceContinuation() {
    if (!m_bKept) SetRunOnce(false, "");
  }
  RunOnceContinuation(const RunOnceContinuation&) = delete;
  RunOnceContinuation& operator=(const RunOnceContinuation&) = delete;
  void Keep() { m_bKept = true; }

 private:
  bool m_bKept = false;
};
