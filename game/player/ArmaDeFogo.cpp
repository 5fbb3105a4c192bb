// The instant ray from the weapon's own model.
#include "player/ArmaDeFogo.h"

#include "platform/LogFile.h"
#include "world/Collidable.h"

bool ArmaDeFogo::shoot()
{
    GLog.writelf("ArmaDeFogo::shoot");
    if (!Arma::shoot())
        return false;
    irr::scene::ISceneNode* from = aimNode();
    if (!from)
        return true;
    irr::core::vector3df start = from->getAbsolutePosition();
    const irr::core::vector3df end = start + ahead(from, _range);
    // One unit off the blade, so the ray does not begin inside whatever the weapon touches.
    start += (end - start).normalize();
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    Collidable* hit = getFirstCollision(irr::core::line3df(start, end), &point, &triangle);
    if (hit)
        hit->gotShoot(static_cast<int>(_damage), point, triangle.getNormal());
    return true;
}
