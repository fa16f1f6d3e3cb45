// The step sequence: each step acts through StepActions and chooses the next
// step from the flags and from what its actions reported. The program
// answers the actions with dialogs and installations; tests with a script.
#pragma once
#include <cstdint>
#include <vector>

#include "core/steps/choice_strings.h"
#include "core/steps/steps.h"

// How the hand-off to the registration module ended.
enum class AccessOutcome { Success, Failed, NotLoaded };

// The maintenance choice: heading and option string numbers, and the answer.
struct ChoiceMenu {
  unsigned heading = 0;
  std::vector<unsigned> options;
};
constexpr int kChoiceQuit = -1;

class StepActions {
 public:
  virtual ~StepActions() = default;
  // Top of every step: the abort request of the last installation is over.
  virtual void ClearAbort() = 0;
  // Writes "Major" from the state (step and flags).
  virtual void WriteMajorStatus() = 0;
  virtual bool HasScreen() = 0;
  virtual void FadeIn() = 0;
  virtual void LogoAnimate() = 0;
  // Step 1 outside a normal run: "finish the setup first?" TRUE for OK.
  virtual bool AskFinishSetupFirst() = 0;
  virtual void LogoMovie() = 0;
  // TRUE when the introduction movie ended with Cancel.
  virtual bool IntroMovie() = 0;
  virtual bool IntroDialog() = 0;
  virtual bool CheckSourceMedia(bool useCfgDisk) = 0;
  virtual bool DestinationDialog() = 0;
  // The disk-by-disk installation behind the progress dialog: 1, 0, -1.
  virtual int RunInstallation() = 0;
  virtual AccessOutcome RunAccess() = 0;
  virtual void RecomputeTokens() = 0;
  // The additional software installation; -1 on failure.
  virtual int RunAdditionalSoftware() = 0;
  virtual bool SoftwareListHasContent() = 0;
  // The index of the chosen option, or kChoiceQuit.
  virtual int MaintenanceChoice(const ChoiceMenu& menu) = 0;
};

// String numbers of the maintenance choice texts (the program's string
// table uses the same definitions).
namespace choice {
constexpr unsigned kAccount = IDS_CHOICE_ACCOUNT;
constexpr unsigned kReinstall = IDS_CHOICE_REINSTALL;
constexpr unsigned kAdditional = IDS_CHOICE_ADDITIONAL;
constexpr unsigned kHeadNoAccount = IDS_CHOICE_HEAD_NOACCOUNT;
constexpr unsigned kHeadInstalled = IDS_CHOICE_HEAD_INSTALLED;
}  // namespace choice

// Runs the step in state.m_nStep and sets m_nStep to the next one.
void RunStep(SetupState& state, StepActions& actions);

// The whole loop from step 1 until step 0, with the status write after every
// step that chose a nonzero next step (none in the "R&U" mode). A bound on
// the number of steps keeps a routing fault from spinning forever.
void RunStepSequence(SetupState& state, StepActions& actions);
constexpr int kMaxStepsPerRun = 1000;
