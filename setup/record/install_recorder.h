// The installation record as the setup writes it: {MAIN_DIR}\INSTALL.REC
// (format: core/record/install_record.h), appended entry by entry while
// the setup installs, so that the uninstaller takes away exactly what the
// setup put there.
//
// Who calls what:
// - InitInstance: NoteRegistryBeforeRun (before the run's first registry
//   write), then ResumeRecording (a run after a restart adds to an
//   existing record at once).
// - InstallFromDisks and InstallSoftware: StartRecording, WriteUninstaller;
//   at the end of the disk sections RegisterUninstaller.
// - The instructions: CreatePath (RecordFolder), copy and extract
//   (RecordFile), the setup's copies of itself (RecordSelfCopy), shortcuts
//   (RecordShortcut), registry imports (RecordRegFile, before the merge),
//   other installers (RecordInstaller), the run-once value (RecordRunOnce,
//   before the value is written).
//
// Entries noted before recording starts wait in memory and are written
// when it starts; a run that never installs writes none. Appended by one
// thread at a time: the installation worker, or the main thread outside
// an installation.
#pragma once
#include <string>

#include "core/record/install_record.h"

// Whether the record file can be appended to: true after StartRecording.
bool IsRecording();
void StartRecording(const std::string& mainDir);
// Starts recording when `mainDir` holds a record already.
void ResumeRecording(const std::string& mainDir);
// Ends recording (tests; the setup records until it ends).
void StopRecording();

// Appends one entry (or keeps it for StartRecording). An entry that cannot
// be written is logged; the installation goes on.
void AppendRecordEntry(const RecordEntry& entry);

// A file the setup wrote: its size and CRC-32 read back from the disk.
// Files and folders count only while recording: the setup also makes
// some for itself outside an installation (its temporary folder, the
// screen's picture).
void RecordFile(const std::string& path);
void RecordFolder(const std::string& path);
void RecordShortcut(const std::string& linkPath);
void RecordSelfCopy(const std::string& path);
void RecordInstaller(const std::string& commandLine);
