// The player's first weapon: snowflakes fired along the view, 109 shots.
#pragma once

#include "player/ArmaComDelay.h"

class Sniper : public ArmaComDelay {
public:
    Sniper();
};
