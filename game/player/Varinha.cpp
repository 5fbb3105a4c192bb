// The wand's values, model, projectile and sound.
#include "player/Varinha.h"

#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

Varinha::Varinha()
{
    tipo = 'M';
    _damage = 120;
    setRange(4000);
    addMunicao(101);
    makeNode({"\\Media\\gun\\Pilum.3ds", {15, -30, 45}, {0, 100, 90}, 0.15f, nullptr, "wand"});
    setBullet(GDriver->getTexture(nativePath((Gexepath + "\\Media\\snowflake.jpg").c_str()).c_str()), 0.8f);
    show(true);
    setSound((Gexepath + "\\Media\\Sound\\shoot1.wav").c_str());
    setSound((Gexepath + "\\Media\\Sound\\water-splash-1.mp3").c_str());
}
