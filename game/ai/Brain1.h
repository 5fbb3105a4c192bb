// The brain of every monster: waits for the player, then chases him along routes and strikes when close.
#pragma once

#include <memory>

#include "ai/Brain.h"
#include "world/FollowAnimator.h"

enum EBrain1 {
    Estand = 0,
    EstandExec = 1,
    EattackEnemy = 2,
    EattackEnemyExec = 3,
    EfollowEnemy = 4,
    EfollowEnemyExec = 5,
    Edie = 6
};

class Brain1;
using PBrain1Process = void (*)(Brain1&);

class Brain1 : public Brain {
public:
    Brain1();
    ~Brain1() override;

    void exec() override;
    void rcvMessage(int) override {}
    void setState(int s) { _state = s; }
    int getState() const { return _state; }
    FollowAnimator* getFollow() const { return animFollow.get(); }

    void stand();
    void standExec();
    void attackEnemy();
    void attackEnemyExec();
    void followEnemy();
    void followEnemyExec();
    void die() {}

private:
    std::unique_ptr<FollowAnimator> animFollow;
    irr::scene::ISceneNode* _what_i_see = nullptr;
};

extern const PBrain1Process _procBrain1[7];
