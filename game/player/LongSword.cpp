// The sword's values and model.
#include "player/LongSword.h"

LongSword::LongSword()
{
    tipo = 'B';
    _damage = 50;
    setRange(70);
    makeNode({"\\Media\\gun\\Pilum.3ds", {0, 0, 0}, {0, 0, 0}, 1.1f, nullptr, "sword"});
    show(true);
}
