// The empty hand, with which the player uses scenery and picks collectables up.
#include "player/NoWeapon.h"

#include "player/Camera.h"
#include "world/Collidable.h"

namespace {

const int useMessage = 8;

}

NoWeapon::NoWeapon()
{
    tipo = 'I';
    _damage = 0;
    setRange(100);
    makeNode({"\\Media\\sniper.ms3d", {0, 8, 0.7f}, {0, 0, 0}, 1.1f, "\\Media\\sniper.jpg", "riffle"});
    show(false);
}

// The hand uses no ammunition and makes no sound, so the common firing step is not run.
bool NoWeapon::shoot()
{
    irr::scene::ISceneNode* from = aimNode();
    if (!from)
        return true;
    from->updateAbsolutePosition();
    const irr::core::vector3df v = ahead(from, _range);
    const irr::core::vector3df start =
        from->getAbsolutePosition() + irr::core::vector3df(v).normalize() * 5.0f;
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    Collidable* hit = getFirstCollision(irr::core::line3df(start, start + v), &point, &triangle);
    if (hit && hit != static_cast<Collidable*>(GmainCamera))
        hit->rcvMessage(useMessage);
    return true;
}
