// The wand the mission hands out later: far-reaching, strong, slow to arrive.
#pragma once

#include "player/ArmaComDelay.h"

class Varinha : public ArmaComDelay {
public:
    Varinha();
};
