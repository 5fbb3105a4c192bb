// The short spray of particles where a monster is hit.
#pragma once

#include <irrlicht.h>

// Sprays for a second at `pos` along `direction`, then removes itself; returns the spray's node.
irr::scene::IParticleSystemSceneNode* sprayBlood(const irr::core::vector3df& pos,
                                                 irr::core::vector3df direction);
