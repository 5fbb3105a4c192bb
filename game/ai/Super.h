// The super soldier: a model with a weapon in hand; declared with its numbers, never sent into the level.
#pragma once

#include "ai/NPC.h"

class Super : public NPC {
public:
    explicit Super(Brain* brain);
    ~Super() override;

    void shoot() override;
    void die() override {}
    void configMovement() override;
    void exec() override {}
    void rcvMessage(int) override {}

    // Puts the weapon in the soldier's hand.
    void getArma(Arma* a);

private:
    Arma* arma = nullptr;
};
