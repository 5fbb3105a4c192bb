// The player's body box, kept under the camera.
#include "player/PlayerBody.h"

namespace {

// The eye stands 80 above the feet; the body is 30 wide and reaches a little over the eye.
const irr::core::aabbox3df personBox(-15, -80, -15, 15, 10, 15);

}

PlayerBody::PlayerBody(irr::scene::ISceneNode* eye, irr::scene::ISceneManager* smgr)
    : ISceneNode(smgr->getRootSceneNode(), smgr), _eye(eye), _box(personBox)
{
    setName("body");
    follow();
}

// The camera is animated before the body (it was added to the scene first), so the body stands where
// the eye is after this frame's walking and sliding.
void PlayerBody::OnAnimate(irr::u32 timeMs)
{
    follow();
    ISceneNode::OnAnimate(timeMs);
}

void PlayerBody::follow()
{
    setPosition(_eye->getAbsolutePosition());
    updateAbsolutePosition();
}
