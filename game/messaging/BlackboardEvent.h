// One named signal on the blackboard: who posted it, its name, its number and a free text.
#pragma once

#include <irrlicht.h>

class Interactive;

struct BlackboardEvent {
    Interactive* obj;
    irr::core::stringc name;
    irr::s32 msg;
    irr::core::stringc parm;
};
