#include "core/steps/step_sequence.h"

#include "core/log/log_sink.h"

const char* StepName(uint16_t step) {
  switch (step) {
    case STEP_START: return "STEP_START";
    case STEP_LOGODLG: return "STEP_LOGODLG";
    case STEP_LOGOANIMATE: return "STEP_LOGOANIMATE";
    case STEP_SCREENIMAGE: return "STEP_SCREENIMAGE";
    case STEP_INSTALL: return "STEP_INSTALL";
    case STEP_ACCESS: return "STEP_ACCESS";
    case STEP_3PINSTALL: return "STEP_3PINSTALL";
    case STEP_3PUPDATE: return "STEP_3PUPDATE";
    case STEP_CHOICE: return "STEP_CHOICE";
    default: return "STEP_UNKNOWN";
  }
}

namespace {

void FadeIn(StepActions& a) {
  if (a.HasScreen()) a.FadeIn();
}

uint16_t Start(SetupState& s, StepActions& a) {
  if (s.m_nRunMode == RUN_NORMAL) return STEP_LOGODLG;
  FadeIn(a);
  if (s.m_bInstalled) return STEP_ACCESS;
  if (!a.AskFinishSetupFirst()) return STEP_EXIT;
  s.m_nRunMode = RUN_NORMAL;
  return STEP_INSTALL;
}

uint16_t LogoDialog(SetupState& s, StepActions& a) {
  if (s.m_bMultimedia && !s.m_bInstalled) {
    a.LogoMovie();
    return STEP_LOGOANIMATE;
  }
  return s.m_bInstalled ? STEP_SCREENIMAGE : STEP_LOGOANIMATE;
}

uint16_t LogoAnimate(SetupState&, StepActions& a) {
  if (a.HasScreen()) a.LogoAnimate();
  return STEP_SCREENIMAGE;
}

uint16_t ScreenImage(SetupState& s, StepActions& a) {
  bool cancelled = false;
  if (s.m_bMultimedia && !s.m_bInstalled) cancelled = a.IntroMovie();
  if (s.m_bGraphicsOK) FadeIn(a);
  if (cancelled) return STEP_EXIT;
  if (!s.m_bInstalled) return STEP_INSTALL;
  if (!s.m_bAccountDone) return s.m_nRunMode != RUN_NORMAL ? STEP_ACCESS : STEP_CHOICE;
  if (s.m_nRunMode != RUN_NORMAL) return STEP_ACCESS;
  if (s.m_nStoredStep == STEP_3PINSTALL && s.m_b3PIContinue) return STEP_3PINSTALL;
  return STEP_CHOICE;
}

uint16_t Install(SetupState& s, StepActions& a) {
  const uint16_t giveUp = s.m_bInstalled ? STEP_CHOICE : STEP_EXIT;
  if (!a.IntroDialog()) return giveUp;
  if (!a.CheckSourceMedia(false)) return giveUp;
  if (!a.DestinationDialog()) return giveUp;
  s.m_bInstalled = false;
  s.m_bAccountDone = false;
  if (a.RunInstallation() == 1) {
    s.m_bInstalled = true;
    return STEP_ACCESS;
  }
  s.m_bAccountDone = false;
  return STEP_EXIT;
}

uint16_t Access(SetupState& s, StepActions& a) {
  switch (a.RunAccess()) {
    case AccessOutcome::Success: {
      const uint16_t next =
          s.m_bAccountDone || s.m_nRunMode == RUN_RU ? STEP_3PUPDATE : STEP_3PINSTALL;
      s.m_bAccountDone = true;
      return next;
    }
    case AccessOutcome::Failed:
      return s.m_bAccountDone && s.m_nRunMode != RUN_RU ? STEP_CHOICE : STEP_EXIT;
    case AccessOutcome::NotLoaded:
    default:
      return STEP_EXIT;
  }
}

// Writes the status with the current step, then ends the run.
uint16_t WriteAndExit(SetupState&, StepActions& a) {
  a.WriteMajorStatus();
  return STEP_EXIT;
}

uint16_t Choice(SetupState& s, StepActions& a);

uint16_t AdditionalSoftware(SetupState& s, StepActions& a) {
  a.RecomputeTokens();
  if (!a.CheckSourceMedia(true)) return WriteAndExit(s, a);
  s.m_b3PUpdate = false;
  const int result = a.RunAdditionalSoftware();
  s.m_b3PIContinue = false;
  if (result == -1) return WriteAndExit(s, a);
  s.m_nStep = STEP_CHOICE;
  // Only a run that began in the maintenance choice returns there; a first
  // installation ends, and the next run opens with the choice.
  if (s.m_nStoredStep == STEP_CHOICE || s.m_nStoredStep == STEP_3PINSTALL) return Choice(s, a);
  return WriteAndExit(s, a);
}

uint16_t AdditionalUpdate(SetupState& s, StepActions& a) {
  a.RecomputeTokens();
  s.m_b3PUpdate = true;
  a.RunAdditionalSoftware();
  s.m_b3PUpdate = false;
  return s.m_nRunMode == RUN_RU ? STEP_EXIT : STEP_CHOICE;
}

uint16_t Choice(SetupState& s, StepActions& a) {
  const bool offerSoftware = s.m_bAccountDone && a.SoftwareListHasContent();
  ChoiceMenu menu;
  if (offerSoftware) {
    menu.heading = choice::kHeadInstalled;
    menu.options = {choice::kAdditional, choice::kAccount, choice::kReinstall};
  } else {
    menu.heading = choice::kHeadNoAccount;
    menu.options = {choice::kAccount, choice::kReinstall};
  }
  const int chosen = a.MaintenanceChoice(menu);
  if (chosen < 0 || chosen >= static_cast<int>(menu.options.size())) return WriteAndExit(s, a);
  switch (menu.options[static_cast<size_t>(chosen)]) {
    case choice::kAdditional: return STEP_3PINSTALL;
    case choice::kAccount: return STEP_ACCESS;
    default:
      s.m_bReinstall = true;
      return STEP_INSTALL;
  }
}

}  // namespace

void RunStep(SetupState& s, StepActions& a) {
  uint16_t next = STEP_EXIT;
  switch (s.m_nStep) {
    case STEP_START: next = Start(s, a); break;
    case STEP_LOGODLG: next = LogoDialog(s, a); break;
    case STEP_LOGOANIMATE: next = LogoAnimate(s, a); break;
    case STEP_SCREENIMAGE: next = ScreenImage(s, a); break;
    case STEP_INSTALL: next = Install(s, a); break;
    case STEP_ACCESS: next = Access(s, a); break;
    case STEP_3PINSTALL: next = AdditionalSoftware(s, a); break;
    case STEP_3PUPDATE: next = AdditionalUpdate(s, a); break;
    case STEP_CHOICE: next = Choice(s, a); break;
    default: next = STEP_EXIT; break;  // no other value is ever set
  }
  s.m_nStep = next;
}

void RunStepSequence(SetupState& s, StepActions& a) {
  s.m_nStep = STEP_START;
  for (int n = 0; s.m_nStep != STEP_EXIT && n < kMaxStepsPerRun; ++n) {
    a.ClearAbort();
    RunStep(s, a);
    if (s.m_nStep != STEP_EXIT && s.m_nRunMode != RUN_RU) {
      LogPrintf("CSetupVTApp::Run(): Writing Major status: step = %s\n", StepName(s.m_nStep));
      a.WriteMajorStatus();
    }
  }
  s.m_nStep = STEP_EXIT;
}
