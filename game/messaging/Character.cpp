// Damage taken by a character.
#include "messaging/Character.h"

void Character::injure(irr::u32 dmg)
{
    // A dead character hit again dies again: each further hit repeats the death.
    if (!isAlive()) {
        die();
        return;
    }
    _life = static_cast<float>(static_cast<double>(_life) - static_cast<double>(dmg));
    if (!isAlive())
        die();
}
