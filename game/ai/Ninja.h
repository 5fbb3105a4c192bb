// The sword fighter: the animated ninja with a sword in his right hand.
#pragma once

#include <memory>

#include "ai/NPC.h"
#include "ai/StrikeClock.h"

class LongSword;

class Ninja : public NPC {
public:
    explicit Ninja(Brain* brain);
    ~Ninja() override;

    void shoot() override;
    void die() override;
    void configMovement() override;
    void exec() override;
    void attack() override;

    LongSword* getSword() const { return _sword; }

private:
    const char* kind() const override { return "Ninja"; }
    void holdSword();

    LongSword* _sword = nullptr;
    StrikeClock _strikes;
};
