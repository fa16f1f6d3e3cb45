// Files put in place as the installation does it: written whole under a
// temporary name beside the destination, then renamed into its place, so
// that a run cut off in the middle (a power cut, a killed process, a disk
// pulled out, a damaged archive entry) leaves the destination as it was
// or complete, never half-written under its final name.
#pragma once
#include <windows.h>

#include <string>

// Windows refuses to replace or overwrite a read-only file; some file
// systems (a privileged user's Wine, network shares) would let us, so the
// setup asks the attribute itself.
bool IsReadOnlyFile(const std::string& path);

// The temporary name a file is written under before it takes its place
// (the destination's name with ".~vt" after it); empty when that name
// would pass the path limit, and the file is then written in place.
std::string PartialPath(const std::string& destination);

// Whether `destination` can be overwritten now: ERROR_SUCCESS, or the
// error an overwrite would meet (ERROR_ACCESS_DENIED for a read-only file,
// ERROR_SHARING_VIOLATION for one that another program holds open,
// ERROR_FILENAME_EXCED_RANGE for a path of MAX_PATH characters or more).
DWORD ProbeOverwrite(const std::string& destination);

// Renames `partial` into the place of `destination`. Windows 95 has no
// call that replaces one file by another, so the old file is renamed aside
// (".~vo" after its name) first, deleted once the new one is in place, and
// put back when the new one cannot be: the destination is never left
// without a file. ERROR_SUCCESS, or the error; `partial` is gone either way.
DWORD PutInPlace(const std::string& partial, const std::string& destination);

// The rename PutInPlace uses (MoveFileA); tests put in one that fails.
// nullptr restores the system's.
using FileRenameFn = BOOL(WINAPI*)(LPCSTR from, LPCSTR to);
void SetFileRenameForTests(FileRenameFn rename);

// Copies `source` over `destination` through a partial file. ERROR_SUCCESS,
// or the system error (ERROR_ACCESS_DENIED for a read-only destination,
// ERROR_SHARING_VIOLATION for one in use). The copy gets the source's
// attributes without the read-only bit.
DWORD CopyOverwriting(const std::string& source, const std::string& destination);
