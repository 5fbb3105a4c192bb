// The game's sound effects, synthesised: chimes, the wrong-answer boing, doors, the antenna, the
// monsters, the weapons.
#pragma once

#include <string>
#include <vector>

#include "OutputFolder.h"

void writeSounds(const OutputFolder& out);
// The effects' file names in the Sound folder, in the order writeSounds writes them.
std::vector<std::string> soundEffectFiles();
