// The numbered steps of a setup run and the flags that route between them.
#pragma once
#include <cstdint>

enum SetupStep : uint16_t {
  STEP_EXIT = 0,
  STEP_START = 1,
  STEP_LOGODLG = 2,
  STEP_LOGOANIMATE = 3,
  STEP_SCREENIMAGE = 4,
  STEP_INSTALL = 6,
  STEP_ACCESS = 7,
  STEP_3PINSTALL = 8,
  STEP_3PUPDATE = 9,
  STEP_CHOICE = 10,
};

// The name the status log line prints; "STEP_UNKNOWN" for other values.
const char* StepName(uint16_t step);

// Run modes from the command line.
enum SetupRunMode { RUN_NORMAL = 0, RUN_RU = 1, RUN_AREBOOT = 2 };

// The state the step sequence routes by. The setup application object
// derives from it, so the members carry their usual names everywhere.
struct SetupState {
  uint16_t m_nStep = STEP_START;
  uint16_t m_nStoredStep = 1;
  bool m_bInstalled = false;
  bool m_bAccountDone = false;
  bool m_bFreshStatus = false;
  int m_nRunMode = RUN_NORMAL;
  bool m_b3PIContinue = false;
  bool m_b3PUpdate = false;
  bool m_bReinstall = false;
  bool m_bMultimedia = false;
  bool m_bGraphicsOK = true;
};
