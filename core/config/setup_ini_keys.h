// The keys of setup.ini's [Vantora] section that the setup program reads
// (setup/engine/setup_ini.cpp) and the media checker knows. A key not
// listed here is never read.
#pragma once

// Read with a meaning of their own: IsRegNoAPrefix ("yes", any case, makes
// RegNo go in as RegNoPrefix; anything else is no), RegNo, HomePage,
// HDHomePage (with HomePage: the local copy's path), IESetupDir (below the
// folder above the setup's).
constexpr const char* kSetupIniSpecialKeys[] = {"IsRegNoAPrefix", "RegNo", "HomePage", "HDHomePage", "IESetupDir"};

// Copied into the product key as they stand.
constexpr const char* kSetupIniCopiedKeys[] = {"SetupFee",     "FreeHours",    "FreeDays", "SetupFeePrice",
                                               "MonthlyPrice", "ISDNSetupFee", "ISDNRate", "ISDNHours",
                                               "ISDNHourlyRate", "ISDNFreeHours"};
