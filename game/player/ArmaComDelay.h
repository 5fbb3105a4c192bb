// A weapon that shoots along its holder's view and sends a visible projectile after the shot; the damage
// falls with the distance and never reaches the holder (the player's sniper and wand).
#pragma once

#include "player/Arma.h"

class ArmaComDelay : public Arma {
public:
    bool shoot() override;
    // A null texture takes the standard bullet picture.
    void setBullet(irr::video::ITexture* texture, float speed);

    // Full damage up to 150 units, half from 150, a third from 225, and so on.
    static unsigned damageAt(unsigned damage, float distance);

protected:
    irr::video::ITexture* _myBullet = nullptr;
    float _speed = 1;
};
