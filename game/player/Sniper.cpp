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
    // The rifle at the lower right of the view, its barrel towards the middle.
    makeNode({"\\Media\\sniper.ms3d", {5, -6.5f, 9}, {-2, -4, 0}, 0.8f, "\\Media\\sniper.jpg", "sniper"});
    setBullet(GDriver->getTexture(nativePath((Gexepath + "\\Media\\snowflake.bmp").c_str()).c_str()), 0.8f);
    show(true);
    setSound((Gexepath + "\\Media\\Sound\\sound30.mp3").c_str());
}
