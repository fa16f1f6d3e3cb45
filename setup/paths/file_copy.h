// Copying a file over another, as the installation does it.
#pragma once
#include <windows.h>

#include <string>

// Windows refuses to replace or overwrite a read-only file; some file
// systems (a privileged user's Wine, network shares) would let us, so the
// setup asks the attribute itself.
bool IsReadOnlyFile(const std::string& path);

// Copies `source` over `destination`. ERROR_SUCCESS, or the system error
// (ERROR_ACCESS_DENIED for a read-only destination). The copy gets the
// source's attributes without the read-only bit.
DWORD CopyOverwriting(const std::string& source, const std::string& destination);
