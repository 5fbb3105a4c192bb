// Answer signs carried by the camera, so they stay in view wherever the player looks.
#include "world/CBillboard.h"

#include "messaging/Agenda.h"
#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "world/oneShotSound.h"

using irr::core::vector3df;

CBillboard::CBillboard(const irr::core::stringc& texture, const irr::core::stringc& soundName,
                       irr::core::vector2df size)
    : _sound(soundName)
{
    const irr::video::SColor white(255, 255, 255, 255);
    bill = GSmgr->addBillboardSceneNode(GSmgr->getActiveCamera(), irr::core::dimension2df(size.X, size.Y),
                                        vector3df(0, 0, 0), -1, white, white);
    // A little left of and below the line of sight, just ahead of the eye.
    bill->setPosition(vector3df(-1, -1, 5));
    bill->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    bill->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    bill->setSize(irr::core::dimension2df(3, 3));
    bill->setMaterialTexture(0, GDriver->getTexture(nativePath(texture.c_str()).c_str()));
    hide();
}

// Heard where the player stands, as every mission sound is. Showing again within the 750 ms adds a
// second hiding; the first to arrive hides the sign.
void CBillboard::show()
{
    bill->setVisible(true);
    irr::scene::ISceneNode* eye = bill->getParent();
    playOneShot(Gexepath + "\\media\\Sound\\" + _sound, eye ? eye->getPosition() : vector3df(0, 0, 0));
    GAgenda.schedule(GTimer->getRealTime() + 750, this, 0);
}

void CBillboard::hide()
{
    bill->setVisible(false);
}

void CBillboard::rcvMessage(int)
{
    hide();
}
