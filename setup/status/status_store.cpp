#include "setup/status/status_store.h"

#include <string>

#include "setup/res/resource.h"
#include "setup/app/setup_app.h"
#include "setup/status/registry.h"
#include "core/status/status_word.h"

namespace {

std::string StatusKey() { return LoadResString(IDS_STATUS_KEY); }

DWORD ReadStatusWord(const char* name, WORD* high, WORD* low) {
  const std::string key = StatusKey();
  DWORD value = key.empty() ? kRegDwordMissing : ReadRegDword(HKEY_CURRENT_USER, key.c_str(), name);
  if (value == kRegDwordMissing) value = 0;
  if (high) *high = status::High(value);
  if (low) *low = status::Low(value);
  return value;
}

}  // namespace

DWORD ReadMajorStatus(WORD* high, WORD* low) { return ReadStatusWord("Major", high, low); }
DWORD ReadMinorStatus(WORD* high, WORD* low) { return ReadStatusWord("Minor", high, low); }

int WriteStatusValue(const char* name, WORD high, WORD low) {
  const std::string key = StatusKey();
  HKEY h;
  DWORD disposition;
  if (key.empty() || RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &h,
                                     &disposition) != ERROR_SUCCESS)
    return 0;
  DWORD current = 0;
  if (high == status::kKeepHalf || low == status::kKeepHalf) {
    DWORD size = sizeof current;
    if (RegQueryValueExA(h, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&current), &size) !=
        ERROR_SUCCESS)
      current = 0;
  }
  const DWORD value = status::Merge(current, high, low);
  RegSetValueExA(h, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(h);
  return 1;
}

void DeleteStatusKey() {
  const std::string key = StatusKey();
  if (!key.empty()) RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

int WriteMinorProgress(int, int) { return 1; }

void CSetupVTApp::LoadStatus() {
  const std::string key = StatusKey();
  const DWORD major =
      key.empty() ? kRegDwordMissing : ReadRegDword(HKEY_CURRENT_USER, key.c_str(), "Major");
  const status::Loaded s = status::Decode(major != kRegDwordMissing, major);
  m_nStoredStep = s.storedStep;
  m_bAccountDone = s.accountDone;
  m_bInstalled = s.installed;
  m_bFreshStatus = s.freshStatus;
}

void CSetupVTApp::WriteMajorStatus() {
  WriteStatusValue("Major", m_nStep,
                   status::MajorFlags(m_bAccountDone, m_bInstalled, m_bFreshStatus));
}
