// The creature: a textured sphere that cries while it runs and strikes with a short ray.
#pragma once

#include "ai/NPC.h"
#include "ai/StrikeClock.h"

class Sound;

class Spider : public NPC {
public:
    explicit Spider(Brain* brain);
    ~Spider() override;

    void shoot() override;
    void die() override;
    void configMovement() override;
    void exec() override;
    void rcvMessage(int mensagem) override;
    void attack() override;
    void run() override;

    bool isDying() const { return _flagDying; }
    bool isCrying() const { return _ssnd != nullptr; }

private:
    Sound* _ssnd = nullptr;
    bool _flagDying = false;
    StrikeClock _strikes;
};
