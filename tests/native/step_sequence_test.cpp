#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "core/status/status_word.h"
#include "core/steps/step_sequence.h"

namespace {

// Answers every action from a script and records what the run did.
class Script : public StepActions {
 public:
  explicit Script(SetupState& s) : state(s) {}

  void ClearAbort() override { steps.push_back(state.m_nStep); }
  void WriteMajorStatus() override {
    writes.push_back(status::Make(state.m_nStep, status::MajorFlags(state.m_bAccountDone,
                                                                    state.m_bInstalled,
                                                                    state.m_bFreshStatus)));
  }
  bool HasScreen() override { return screen; }
  void FadeIn() override { ++fadeIns; }
  void LogoAnimate() override { ++logoAnimations; }
  bool AskFinishSetupFirst() override { return finishFirst; }
  void LogoMovie() override { ++logoMovies; }
  bool IntroMovie() override { return introCancelled; }
  bool IntroDialog() override { return introOk; }
  bool CheckSourceMedia(bool useCfgDisk) override {
    mediaChecks.push_back(useCfgDisk);
    return useCfgDisk ? softwareMediaOk : mediaOk;
  }
  bool DestinationDialog() override { return destinationOk; }
  int RunInstallation() override { return installResult; }
  AccessOutcome RunAccess() override {
    if (access.empty()) return AccessOutcome::Success;
    AccessOutcome o = access.front();
    access.pop_front();
    return o;
  }
  void RecomputeTokens() override { ++tokenInits; }
  int RunAdditionalSoftware() override {
    updates.push_back(state.m_b3PUpdate);
    return softwareResult;
  }
  bool SoftwareListHasContent() override { return softwareList; }
  int MaintenanceChoice(const ChoiceMenu& menu) override {
    menus.push_back(menu);
    if (choices.empty()) return kChoiceQuit;
    const int c = choices.front();
    choices.pop_front();
    return c;
  }

  SetupState& state;
  // mediaOk answers the installation's media check, softwareMediaOk step 8's
  // (the disk number from setup.cfg).
  bool screen = true, finishFirst = true, introCancelled = false, introOk = true, mediaOk = true,
       softwareMediaOk = true, destinationOk = true, softwareList = true;
  int installResult = 1, softwareResult = 1;
  std::deque<AccessOutcome> access;
  std::deque<int> choices;

  std::vector<uint16_t> steps;
  std::vector<uint32_t> writes;
  std::vector<bool> mediaChecks, updates;
  std::vector<ChoiceMenu> menus;
  int fadeIns = 0, logoAnimations = 0, logoMovies = 0, tokenInits = 0;
};

SetupState FreshRun() {
  SetupState s;
  s.m_bFreshStatus = true;
  return s;
}

SetupState LaterRun(uint32_t major) {
  SetupState s;
  const status::Loaded l = status::Decode(true, major);
  s.m_nStoredStep = l.storedStep;
  s.m_bInstalled = l.installed;
  s.m_bAccountDone = l.accountDone;
  return s;
}

using Steps = std::vector<uint16_t>;

TEST(StepSequence, FirstRunFromTheCd) {
  SetupState s = FreshRun();
  Script a(s);
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 3, 4, 6, 7, 8}));
  ASSERT_FALSE(a.writes.empty());
  EXPECT_EQ(a.writes.front(), 0x00022000u);  // step 2, fresh start bit
  EXPECT_EQ(a.writes.back(), 0x000A2003u);   // step 10, both flags
  EXPECT_EQ(a.mediaChecks, (std::vector<bool>{false, true}));
  EXPECT_EQ(a.updates, std::vector<bool>{false});
  EXPECT_TRUE(a.menus.empty());  // a first installation ends after step 8
  EXPECT_EQ(s.m_nStep, STEP_EXIT);
}

TEST(StepSequence, LaterRunOpensWithTheMaintenanceChoice) {
  SetupState s = LaterRun(0x000A2003);
  Script a(s);
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10}));
  EXPECT_EQ(a.writes.back(), 0x000A4003u);  // quit in step 10 writes step 10 again
  ASSERT_EQ(a.menus.size(), 1u);
  EXPECT_EQ(a.menus[0].heading, 22u);
  EXPECT_EQ(a.menus[0].options, (std::vector<unsigned>{20, 17, 18}));
  EXPECT_EQ(a.logoMovies, 0);
}

TEST(StepSequence, MaintenanceChoicesLeadWhereTheySay) {
  {  // additional software, then back to the choice, then quit
    SetupState s = LaterRun(0x000A4003);
    Script a(s);
    a.choices = {0};
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 8}));
    EXPECT_EQ(a.menus.size(), 2u);
    EXPECT_EQ(a.writes.back(), 0x000A4003u);
  }
  {  // account setup, then the update of the additional software
    SetupState s = LaterRun(0x000A4003);
    Script a(s);
    a.choices = {1};
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 7, 9, 10}));
    EXPECT_EQ(a.updates, std::vector<bool>{true});
    EXPECT_FALSE(s.m_b3PUpdate);
  }
  {  // reinstallation
    SetupState s = LaterRun(0x000A4003);
    Script a(s);
    a.choices = {2};
    a.installResult = -1;
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 6}));
    EXPECT_TRUE(s.m_bReinstall);
    EXPECT_EQ(a.writes.back(), 0x00064003u);  // a failed installation keeps step 6
    EXPECT_FALSE(s.m_bInstalled);
    EXPECT_FALSE(s.m_bAccountDone);
  }
}

TEST(StepSequence, NoSoftwareListOffersNoAdditionalSoftware) {
  SetupState s = LaterRun(0x000A4003);
  Script a(s);
  a.softwareList = false;
  a.choices = {0};
  RunStepSequence(s, a);
  ASSERT_GE(a.menus.size(), 1u);
  EXPECT_EQ(a.menus[0].heading, 21u);
  EXPECT_EQ(a.menus[0].options, (std::vector<unsigned>{17, 18}));
  EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 7, 9, 10}));  // option 0 is the account here
}

TEST(StepSequence, InstalledWithoutAccountGoesToTheChoice) {
  SetupState s = LaterRun(0x00074002);
  Script a(s);
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10}));
  EXPECT_EQ(a.menus[0].heading, 21u);
}

TEST(StepSequence, AfterARebootTheRegistrationRunsAgain) {
  SetupState s = LaterRun(0x00074002);
  s.m_nRunMode = RUN_AREBOOT;
  Script a(s);
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 7, 8}));
  EXPECT_EQ(a.fadeIns, 1);
  EXPECT_EQ(a.writes.front(), 0x00074002u);
  // Stored step 7: a run that did not begin in the choice ends after step 8.
  EXPECT_EQ(a.writes.back(), 0x000A4003u);
}

TEST(StepSequence, RebootBeforeTheInstallationFinishedAsksFirst) {
  SetupState s = LaterRun(0x00060000 | 0x4000);
  s.m_nRunMode = RUN_AREBOOT;
  Script a(s);
  a.finishFirst = false;
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1}));
  EXPECT_TRUE(a.writes.empty());

  SetupState s2 = LaterRun(0x00064000);
  s2.m_nRunMode = RUN_AREBOOT;
  Script b(s2);
  RunStepSequence(s2, b);
  EXPECT_EQ(b.steps, (Steps{1, 6, 7, 8}));
  EXPECT_EQ(s2.m_nRunMode, RUN_NORMAL);
}

TEST(StepSequence, RegistrationAndUtilitiesModeWritesNoStatus) {
  SetupState s = LaterRun(0x000A4003);
  s.m_nRunMode = RUN_RU;
  Script a(s);
  a.screen = false;
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 7, 9}));
  EXPECT_TRUE(a.writes.empty());
  EXPECT_EQ(a.fadeIns, 0);  // no screen window in this mode

  // Choosing to finish the setup first ends the mode: writes resume.
  SetupState s2 = LaterRun(0x00064000);
  s2.m_nRunMode = RUN_RU;
  Script b(s2);
  b.screen = false;
  b.installResult = 0;
  RunStepSequence(s2, b);
  EXPECT_EQ(b.steps, (Steps{1, 6}));
  ASSERT_EQ(b.writes.size(), 1u);
  EXPECT_EQ(b.writes[0], 0x00064000u);
}

TEST(StepSequence, ContinuationAfterAnInstallerRestart) {
  SetupState s = LaterRun(0x00084003);
  s.m_b3PIContinue = true;
  Script a(s);
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 4, 8}));
  EXPECT_FALSE(s.m_b3PIContinue);
  EXPECT_EQ(a.menus.size(), 1u);  // stored step 8: the choice follows
}

TEST(StepSequence, CancelInTheIntroductionMovieEndsAtOnce) {
  SetupState s = FreshRun();
  s.m_bMultimedia = true;
  Script a(s);
  a.introCancelled = true;
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 3, 4}));
  EXPECT_EQ(a.logoMovies, 1);
  EXPECT_EQ(a.writes.back(), 0x00042000u);  // nothing written after step 4
}

TEST(StepSequence, GivingUpInStepSix) {
  for (int failAt = 0; failAt < 3; ++failAt) {
    SetupState s = FreshRun();
    Script a(s);
    a.introOk = failAt != 0;
    a.mediaOk = failAt != 1;
    a.destinationOk = failAt != 2;
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 3, 4, 6})) << failAt;
  }
  SetupState s = LaterRun(0x000A4003);
  Script a(s);
  a.choices = {2};
  a.destinationOk = false;
  RunStepSequence(s, a);
  EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 6, 10}));  // installed: back to the choice
}

TEST(StepSequence, RegistrationOutcomes) {
  {  // failure on a first installation ends the run
    SetupState s = FreshRun();
    Script a(s);
    a.access = {AccessOutcome::Failed};
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 3, 4, 6, 7}));
    EXPECT_EQ(a.writes.back(), 0x00072002u);
  }
  {  // failure once the account exists returns to the choice
    SetupState s = LaterRun(0x000A4003);
    Script a(s);
    a.choices = {1};
    a.access = {AccessOutcome::Failed};
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 7, 10}));
  }
  {  // a module that cannot be loaded ends the run
    SetupState s = LaterRun(0x000A4003);
    Script a(s);
    a.choices = {1};
    a.access = {AccessOutcome::NotLoaded};
    RunStepSequence(s, a);
    EXPECT_EQ(a.steps, (Steps{1, 2, 4, 10, 7}));
  }
}

TEST(StepSequence, AdditionalSoftwareFailuresWriteTheirStep) {
  SetupState s = FreshRun();
  Script a(s);
  a.softwareResult = -1;
  RunStepSequence(s, a);
  EXPECT_EQ(a.writes.back(), 0x00082003u);
  // The media check of step 8 fails: the status is written at step 8 and
  // the run ends there, before any additional software.
  SetupState s2 = FreshRun();
  Script b(s2);
  b.softwareMediaOk = false;
  RunStepSequence(s2, b);
  EXPECT_EQ(b.mediaChecks, (std::vector<bool>{false, true}));
  EXPECT_EQ(b.writes.back() >> 16, 8u);
  EXPECT_TRUE(b.updates.empty());
  EXPECT_EQ(b.steps.back(), 8u);
  EXPECT_EQ(b.tokenInits, 1);
}

TEST(StepSequence, StepNames) {
  EXPECT_STREQ(StepName(1), "STEP_START");
  EXPECT_STREQ(StepName(10), "STEP_CHOICE");
  EXPECT_STREQ(StepName(5), "STEP_UNKNOWN");
  EXPECT_STREQ(StepName(0), "STEP_UNKNOWN");
}

}  // namespace
