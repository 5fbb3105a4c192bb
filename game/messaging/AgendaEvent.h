// One pending timed message: deliver `id` to `who` once the real time reaches `when`.
#pragma once

#include <irrlicht.h>

class Interactive;

struct AgendaEvent {
    irr::u32 when;
    irr::u32 id;
    Interactive* who;
};
