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
    void rcvMessage(int mensagem) override;
    void attack() override;

    bool isDying() const { return _flagDying; }
    LongSword* getSword() const { return _sword; }

private:
    void holdSword();

    LongSword* _sword = nullptr;
    bool _flagDying = false;
    StrikeClock _strikes;
};
