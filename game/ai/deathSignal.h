// What a dead monster does two seconds after dying: the signal the mission waits for.
#pragma once

class NPC;

// The message a dying monster schedules for itself.
const int DeathMessage = 54321;

// Schedules DeathMessage to `body` two seconds ahead.
void scheduleDeath(NPC* body);
// Posts the death signal under the body's name, hides it and leaves it with no life.
void announceDeath(NPC* body);
