// The folder of the running executable.
#pragma once

#include <irrlicht.h>

// The folder holding the running program, without a trailing separator; "." when it cannot be told.
irr::core::stringc executableFolder();
