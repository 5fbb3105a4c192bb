// The picture of a shot in flight: a billboard that flies a ray once and then removes itself.
#pragma once

#include <irrlicht.h>

// Sends a 25 x 25 billboard of `texture` along `ray` at `speed` world units per millisecond. It hits
// nothing: the shot's damage is settled by the ray test when it is fired.
irr::scene::IBillboardSceneNode* launchProjectile(irr::video::ITexture* texture,
                                                  const irr::core::line3df& ray, float speed);
