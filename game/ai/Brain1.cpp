// The seven states of the chase.
#include "ai/Brain1.h"

#include "ai/NPC.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/fatal.h"

namespace {

// Closer than this the body stops walking and tries to strike, whatever its attack range.
const irr::f32 ClosingDistance = 110;

}  // namespace

// One step per state, in the order of EBrain1. Plain functions rather than pointers to members: GCC's
// sanitizer builds miscompile a call through a pointer to a member function.
const PBrain1Process _procBrain1[7] = {
    [](Brain1& b) { b.stand(); },       [](Brain1& b) { b.standExec(); },
    [](Brain1& b) { b.attackEnemy(); }, [](Brain1& b) { b.attackEnemyExec(); },
    [](Brain1& b) { b.followEnemy(); }, [](Brain1& b) { b.followEnemyExec(); },
    [](Brain1& b) { b.die(); }};

Brain1::Brain1()
{
    GLog.writelf("Brain1::Brain1");
    _state = Estand;
}

Brain1::~Brain1()
{
    GLog.writelf("Brain1::~Brain1");
}

void Brain1::exec()
{
    _procBrain1[_state](*this);
}

void Brain1::stand()
{
    if (!_char)
        fatal("cerebro sem corpo", FatalWait::forKey);
    _char->stop();
    _state = EstandExec;
}

void Brain1::standExec()
{
    Collidable* seen = _char->vision();
    if (!seen)
        return;
    _what_i_see = seen->getNode();
    if (_what_i_see == GmainCamera->getNode() && _char->isInAttackRange(_what_i_see->getAbsolutePosition()))
        _state = EattackEnemy;
    else
        _state = EfollowEnemy;
}

void Brain1::attackEnemy()
{
    _char->attack();
    _state = EattackEnemyExec;
}

void Brain1::attackEnemyExec()
{
    if (!_char->isInAttackRange(_what_i_see->getAbsolutePosition())) {
        _char->stop();
        _state = EfollowEnemy;
    }
    _char->shoot();
}

// An unreachable target leaves no follow animator behind: the state stays here and the next frame
// plans again.
void Brain1::followEnemy()
{
    animFollow.reset();
    _char->run();
    animFollow = std::make_unique<FollowAnimator>(_char, 1000, _what_i_see->getAbsolutePosition());
    _state = EfollowEnemyExec;
}

void Brain1::followEnemyExec()
{
    animFollow->updateFollow(_what_i_see->getAbsolutePosition());
    if (_char->getPosition().getDistanceFrom(_what_i_see->getAbsolutePosition()) < ClosingDistance)
        _state = EattackEnemy;
}
