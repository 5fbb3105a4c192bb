// The message interface's one duty of its own: nothing is delivered to or read from an object that no
// longer exists.
#include "messaging/Interactive.h"

#include "messaging/Agenda.h"
#include "messaging/Blackboard.h"

Interactive::~Interactive()
{
    GAgenda.cancel(this);
    GBlackboard.cancel(this);
}
