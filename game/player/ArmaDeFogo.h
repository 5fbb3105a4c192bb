// A weapon that hits at once along a ray from its own model, with full damage (the monsters' swords).
#pragma once

#include "player/Arma.h"

class ArmaDeFogo : public Arma {
public:
    bool shoot() override;
};
