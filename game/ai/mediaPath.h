// The monsters' media files, under the game's folder.
#pragma once

#include <irrlicht.h>

// `name` is the game's backslash path below the executable's folder, in any case.
irr::core::stringc monsterMedia(const char* name);
