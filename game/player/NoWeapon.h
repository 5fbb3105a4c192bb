// The empty hand: a short ray that hurts nothing but tells what it meets to be used (message 8).
#pragma once

#include "player/Arma.h"

class NoWeapon : public Arma {
public:
    NoWeapon();
    bool shoot() override;
    bool aims() const override { return false; }
};
