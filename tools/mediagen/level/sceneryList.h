// The scenery list (lista.txt): six lines per object, read by the game's scenery loader.
#pragma once

#include <string>

#include "level/LevelPlan.h"

// A path relative to media/ as the list writes it: under the executable's folder, backslashes.
std::string mediaPath(const std::string& relative);

std::string sceneryListText(const LevelPlan& plan);
