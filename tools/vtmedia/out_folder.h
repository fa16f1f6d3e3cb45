// Where a build may write, and how its result takes the place of the last
// one. A build is made whole in a folder of its own beside OUT (OUT plus
// ".vtmedia-new") and only then moved into OUT, so that a build that fails
// or is refused leaves OUT as it was. OUT holds a marker file of ours
// (kOutMarker) naming what the last build put there; nothing else in OUT is
// ever removed, and a folder that merely has the right name is not ours.
#pragma once
#include <string>
#include <vector>

constexpr const char* kOutMarker = "vtmedia-made.txt";
constexpr const char* kNewSuffix = ".vtmedia-new";

// The absolute path with links resolved and "." and ".." taken out; for a
// path that does not exist yet, its deepest existing folder resolved and
// the rest appended. Empty when even that cannot be made out.
std::string ResolvedPath(const std::string& path);

// Whether `inner` is `outer` or lies below it (both resolved).
bool PathWithin(const std::string& inner, const std::string& outer);

// Empty when SOURCE and OUT may be used together, otherwise why not: the
// same folder, OUT inside SOURCE (the media would nest into the disc) or
// SOURCE inside OUT (a build would remove its own source).
std::string OverlapProblem(const std::string& source, const std::string& out);

// Empty when a build may write into `folder` (OUT, or the work folder
// beside it): missing, empty, or holding our marker. Otherwise why not.
std::string OwnershipProblem(const std::string& folder);

// Makes `folder` (removing an older one of ours first) with a marker that
// lists nothing yet. False when it cannot.
bool MakeOwnFolder(const std::string& folder);

// Moves the names in `made` (files or folders in `work`) into `out`, after
// removing from `out` what its marker lists, then writes the marker with
// `made` and removes `work`. A name of `made` already in `out` but not in
// its marker is not ours: nothing is moved over it. False, with `failed`
// the path, when a step fails.
bool MoveIntoPlace(const std::string& work, const std::string& out, const std::vector<std::string>& made,
                   std::string* failed);
