// Native file paths from the game's backslash, mixed-case paths.
#pragma once

#include <string>

// Turns backslashes into slashes, then matches each component that does not exist as written
// case-insensitively in its folder. Components that match nothing are kept as written, so the
// result also names files that are yet to be created.
std::string nativePath(const std::string& path);
