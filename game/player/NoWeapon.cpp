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
    // An open hand at the lower right of the view.
    makeNode({"\\Media\\gun\\hand.obj", {7, -8.5f, 13}, {-15, -10, 12}, 1.1f, "\\Media\\hand.jpg", "hand"});
    show(false);
}

// The hand uses no ammunition and makes no sound, so the common firing step is not run. It reaches
// for what the player looks at: the ray runs from his eye, not from the hand drawn at the side, as far
// as the model's scale stretches the range.
bool NoWeapon::shoot()
{
    irr::scene::ISceneNode* model = aimNode();
    if (!model)
        return true;
    model->updateAbsolutePosition();
    irr::scene::ISceneNode* from = _holder ? _holder : model;
    const irr::core::vector3df v = ahead(from, 1).setLength(ahead(model, _range).getLength());
    const irr::core::vector3df start =
        from->getAbsolutePosition() + irr::core::vector3df(v).normalize() * 5.0f;
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    Collidable* hit = getFirstCollision(irr::core::line3df(start, start + v), &point, &triangle);
    if (hit && hit != static_cast<Collidable*>(GmainCamera))
        hit->rcvMessage(useMessage);
    return true;
}
