// The creature: an eight-legged beast that cries while it runs and strikes with a short ray.
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
    void attack() override;
    void run() override;
    void exec() override;

    bool isCrying() const { return _ssnd != nullptr; }

private:
    const char* kind() const override { return "Spider"; }
    void facePlayer();
    Sound* _ssnd = nullptr;
    StrikeClock _strikes;
};
