// The game's media files, under the game's folder.
#pragma once

#include <irrlicht.h>

// The game's folder: the executable's, or the install's data folder; no trailing separator.
extern irr::core::stringc Gexepath;

// `name` is the game's backslash path below the game's folder ("\\Media\\ninja.b3d"), in any case; the
// answer is the file's path on the disk as the engine needs it.
irr::core::stringc mediaFile(const char* name);
