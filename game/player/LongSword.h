// The sword the ninjas strike with: a short ray of full damage that never runs out.
#pragma once

#include "player/ArmaDeFogo.h"

class LongSword : public ArmaDeFogo {
public:
    LongSword();
};
