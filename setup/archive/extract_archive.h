// Unpacking packed archives into a directory.
#pragma once
#include <string>

// Used by the extract instruction: logs each file, reports progress, stops
// before the next entry once the user cancelled. 1 when every entry was
// extracted or skipped (a destination file that exists and cannot be
// overwritten is logged and skipped), 0 when the user cancelled or an
// entry could not be created or decoded, -1 when the destination directory
// cannot be created or the archive cannot be opened.
int ExtractArchive(const std::string& archive, const std::string& destination);

// The quiet form for start-up (the packed screen picture): no log, no
// cancel; an entry that cannot be created or decoded is reported and ends
// the unpacking. -1 in the same two cases as above, otherwise 1.
int UnpackArchive(const std::string& archive, const std::string& destination);
