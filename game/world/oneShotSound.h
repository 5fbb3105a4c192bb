// One-shot positional sounds: pick-ups, the answer signs and the mission's events.
#pragma once

#include <irrlicht.h>

// Plays `file` once at `position`, heard at full volume within 1000 units. Skipped without a sound
// engine, with an empty name or when the file cannot be played.
void playOneShot(const irr::core::stringc& file, const irr::core::vector3df& position);
