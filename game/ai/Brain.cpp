// The base brain: the current action and the stun.
#include "ai/Brain.h"

#include "ai/NPC.h"
#include "platform/LogFile.h"
#include "shell/Engine.h"

Brain::Brain() : _acao(&Brain::doNothing)
{
    GLog.writelf("Brain::Brain");
}

Brain::~Brain()
{
    GLog.writelf("Brain::~Brain");
}

void Brain::exec()
{
    (this->*_acao)();
}

void Brain::stunt(irr::u32 time)
{
    stuned = GTimer->getTime() + time;
    _acao = &Brain::stuntExec;
}

void Brain::stuntExec()
{
    if (GTimer->getTime() < stuned)
        return;
    _char->stop();
    _acao = &Brain::doNothing;
}
