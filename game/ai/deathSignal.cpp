// The two halves of a monster's death: the delay and the signal.
#include "ai/deathSignal.h"

#include "ai/NPC.h"
#include "messaging/Agenda.h"
#include "messaging/Blackboard.h"
#include "shell/Engine.h"

namespace {

const irr::u32 DeathDelay = 2000;
const irr::s32 DeathCode = 3;

}  // namespace

void scheduleDeath(NPC* body)
{
    GAgenda.schedule(GTimer->getRealTime() + DeathDelay, body, DeathMessage);
}

void announceDeath(NPC* body)
{
    GBlackboard.singleSignal(body, body->getName(), DeathCode, "");
    if (body->getNode())
        body->getNode()->setVisible(false);
    body->setLife(0);
}
