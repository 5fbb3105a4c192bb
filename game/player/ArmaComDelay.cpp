// The projectile weapon's shot: a ray from the holder's eye, the damage settled at once, a picture in flight.
#include "player/ArmaComDelay.h"

#include "platform/LogFile.h"
#include "platform/nativepath.h"
#include "player/Camera.h"
#include "player/projectile.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "world/Collidable.h"

bool ArmaComDelay::shoot()
{
    GLog.writelf("ArmaDelay::shoot");
    if (!Arma::shoot())
        return false;
    irr::scene::ISceneNode* holder = holderNode();
    if (!holder)
        return true;
    const irr::core::vector3df start = holder->getAbsolutePosition();
    const irr::core::line3df ray(start, start + ahead(holder, _range));
    launchProjectile(_myBullet, ray, _speed);
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    Collidable* hit = getFirstCollision(ray, &point, &triangle);
    if (!hit || hit == static_cast<Collidable*>(GmainCamera))
        return true;
    hit->gotShoot(static_cast<int>(damageAt(_damage, start.getDistanceFrom(point))), point,
                  triangle.getNormal());
    return true;
}

void ArmaComDelay::setBullet(irr::video::ITexture* texture, float speed)
{
    _speed = speed;
    _myBullet = texture
                    ? texture
                    : GDriver->getTexture(nativePath((Gexepath + "\\Media\\stdBullet.bmp").c_str()).c_str());
}

unsigned ArmaComDelay::damageAt(unsigned damage, float distance)
{
    const unsigned k = static_cast<unsigned>(distance / 75.0f);
    return damage / (k < 1 ? 1 : k);
}
