// Everything the uninstaller says to the user: its message boxes, its
// progress window and the lines of its log (VTUNINST.LOG in the temporary
// folder). printf formats; %s and %d as FormatText (core/text/format.h)
// reads them.
#pragma once

constexpr const char kUninstCaption[] = "Vantora Uninstall";

// --- asked before anything is changed ---
constexpr const char kConfirmText[] =
    "This removes Vantora from your computer: the files, shortcuts, folders and registry "
    "entries that its setup recorded in\n%s\n\n"
    "Files you have changed since are only removed if you say so. Other programs that "
    "Vantora's setup installed stay; they have their own uninstall.\n\n"
    "Do you want to remove Vantora now?";
constexpr const char kDamagedNote[] =
    "The installation record is damaged at line %d. Only what it lists before that line "
    "will be removed; whatever came after it stays on your computer.\n\n";
constexpr const char kNoRecordText[] =
    "Nothing can be removed: the installation record\n%s\nis missing or unreadable, and "
    "without it nothing on this computer can be proven to belong to Vantora.\n\n"
    "Do you want to take Vantora out of the list in Add/Remove Programs? Nothing else "
    "will be changed.";
constexpr const char kEntryRemovedText[] = "Vantora has been taken out of the list in Add/Remove Programs.";
constexpr const char kEntryNotRemovedText[] =
    "Vantora could not be taken out of the list in Add/Remove Programs (you may lack the "
    "rights to change it).";
constexpr const char kCopyFailedText[] =
    "The uninstaller could not copy itself to the temporary folder\n%s\nto run from there. "
    "Nothing has been removed.";
constexpr const char kStartFailedText[] =
    "The uninstaller could not start its copy\n%s\nNothing has been removed.";

// --- asked while removing ---
constexpr const char kChangedFileText[] =
    "The file\n%s\nhas been changed since Vantora installed it: it may hold your own work "
    "or settings.\n\nDo you want to remove it anyway?\n\n"
    "Choose No to keep it (the safe answer).";

// --- the progress window ---
constexpr const char kProgressTitle[] = "Removing Vantora...";
constexpr const char kProgressItem[] = "Removing %s";
constexpr const char kProgressStart[] = "Reading the installation record...";

// --- the summary ---
constexpr const char kSummaryDone[] = "Vantora has been removed from your computer.\n\n";
constexpr const char kSummaryRemoved[] = "Removed: %d files, %d folders and %d registry entries.\n";
constexpr const char kSummaryKeptChanged[] = "Kept: %d files you changed since the installation.\n";
constexpr const char kSummaryKeptFolders[] = "Kept: %d folders that still hold other files.\n";
constexpr const char kSummaryKeptRegistry[] =
    "Kept: %d registry entries that were there before Vantora or still hold other settings.\n";
constexpr const char kSummaryKeptUntrusted[] =
    "Kept: %d entries of the record that did not name a full path or a known registry key.\n";
constexpr const char kSummaryFailed[] = "Could not be removed: %d items (the log says which and why).\n";
constexpr const char kSummaryRestart[] = "%d files were in use: Windows deletes them when it next starts.\n";
constexpr const char kSummaryInstallers[] =
    "%d other programs that the setup installed were left in place: remove them with their "
    "own uninstall.\n";
constexpr const char kSummaryLog[] = "\nEverything removed and kept is listed in\n%s";
constexpr const char kSummaryNoLog[] = "\nNo log could be written to\n%s";

// --- the log, one line a thing ---
constexpr const char kLogStart[] = "Vantora Uninstall: the record %s";
constexpr const char kLogTornEnd[] =
    "The record's last line (%d) was cut off: an installation was stopped while it wrote. "
    "The entries before it count.";
constexpr const char kLogDamaged[] =
    "The record is damaged at line %d: only the entries before it are removed, the rest stays.";
constexpr const char kLogRemoved[] = "removed: %s";
constexpr const char kLogRemovedValue[] = "removed: %s, value %s";
constexpr const char kLogMissing[] = "not there (skipped): %s";
constexpr const char kLogMissingValue[] = "not there (skipped): %s, value %s";
constexpr const char kLogKeptChanged[] = "kept, changed since the installation: %s";
constexpr const char kLogRemovedChanged[] = "removed, though changed since the installation (you said so): %s";
constexpr const char kLogKeptValue[] = "kept, it was there before the installation: %s, value %s";
constexpr const char kLogKeptKey[] = "kept, it was there before the installation: %s";
constexpr const char kLogKeptKeyInUse[] = "kept, it still holds other entries: %s";
constexpr const char kLogKeptFolder[] = "kept, not empty: %s";
constexpr const char kLogInUse[] = "in use, deleted when Windows next starts: %s";
constexpr const char kLogUnchecked[] = "in use and not readable, its size matches: deleted when Windows next starts: %s";
constexpr const char kLogFailed[] = "could not be removed (error %d): %s";
constexpr const char kLogFailedValue[] = "could not be removed (error %d): %s, value %s";
constexpr const char kLogRestartFailed[] = "could not be scheduled for the next start (error %d): %s";
constexpr const char kLogInstaller[] = "left in place, another program's own installer ran: %s";
constexpr const char kLogRefusedPath[] = "kept, the record does not give a full path: %s";
constexpr const char kLogRefusedRoot[] = "kept, the record names no registry root we know: %s";
constexpr const char kLogRefusedShared[] = "kept, a key other software shares is never removed whole: %s";
constexpr const char kLogAddRemove[] = "Add/Remove Programs";
