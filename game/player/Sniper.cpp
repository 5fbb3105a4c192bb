// The sniper's values, model, projectile and sound.
#include "player/Sniper.h"

#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

Sniper::Sniper()
{
    tipo = 'H';
    _damage = 50;
    setRange(500);
    addMunicao(110);
    makeNode({"\\Media\\gun\\hand.obj", {4, -15, 10}, {50, 0, 20}, 3, "\\Media\\hand.jpg", "sniper"});
    setBullet(GDriver->getTexture(nativePath((Gexepath + "\\Media\\snowflake.bmp").c_str()).c_str()), 0.8f);
    show(true);
    setSound((Gexepath + "\\Media\\Sound\\sound30.mp3").c_str());
}
