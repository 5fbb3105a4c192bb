// Life and defence shared by the player and the monsters, and the damage rule that kills them.
#pragma once

#include <irrlicht.h>

class Arma;

class Character {
public:
    virtual void shoot() = 0;
    virtual void pegarArma(Arma* arma) = 0;
    virtual void die() = 0;

    void injure(irr::u32 dmg);
    void setLife(float life) { _life = life; }
    void setDefence(float defence) { _defence = defence; }
    float getLife() const { return _life; }
    float getDefence() const { return _defence; }
    bool isAlive() const { return _life > 0; }

protected:
    // Objects are always destroyed through their concrete class.
    ~Character() = default;

    float _life = 0;
    float _defence = 0;
};
