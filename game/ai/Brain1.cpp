// The seven states of the chase.
#include "ai/Brain1.h"

#include "ai/NPC.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Global.h"
#include "shell/fatal.h"

namespace {

// Closer than this the body stops walking and tries to strike, whatever its attack range.
const irr::f32 ClosingDistance = 110;

}  // namespace

PBrain1Process _procBrain1[7] = {
    &Brain1::stand,       &Brain1::standExec,       &Brain1::attackEnemy, &Brain1::attackEnemyExec,
    &Brain1::followEnemy, &Brain1::followEnemyExec, &Brain1::die};

Brain1::Brain1()
{
    GLog.writelf("Brain1::Brain1");
    _state = Estand;
    _procBrain1[Estand] = &Brain1::stand;
    _procBrain1[EstandExec] = &Brain1::standExec;
    _procBrain1[EattackEnemy] = &Brain1::attackEnemy;
    _procBrain1[EattackEnemyExec] = &Brain1::attackEnemyExec;
    _procBrain1[EfollowEnemy] = &Brain1::followEnemy;
    _procBrain1[EfollowEnemyExec] = &Brain1::followEnemyExec;
    _procBrain1[Edie] = &Brain1::die;
}

Brain1::~Brain1()
{
    GLog.writelf("Brain1::~Brain1");
}

void Brain1::exec()
{
    (this->*_procBrain1[_state])();
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
