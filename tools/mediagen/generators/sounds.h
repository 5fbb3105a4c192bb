// The game's sound effects, synthesised: chimes, the wrong-answer boing, doors, the antenna, the
// monsters, the weapons.
#pragma once

#include "OutputFolder.h"

void writeSounds(const OutputFolder& out);
