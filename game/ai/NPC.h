// The body of a monster: an animated node with its animation sets, vision and attack ranges, a weapon
// slot and the brain that drives it.
#pragma once

#include <irrlicht.h>

#include "ai/AnimationInfo.h"
#include "messaging/Character.h"
#include "shell/Executable.h"
#include "world/Collidable.h"
#include "world/Walker.h"

class Brain;

class NPC : public Character, public Executable, public Collidable, public Walker {
public:
    explicit NPC(Brain* brain);
    ~NPC() override = default;

    void pegarArma(Arma* arma) override { _arma = arma; }
    virtual void configMovement();
    // The animated body where there is one, else the plain mesh.
    irr::scene::ISceneNode* getNode() override
    {
        return _aninode ? _aninode : static_cast<irr::scene::ISceneNode*>(_node);
    }
    irr::core::vector3df getPosition() override;
    void gotShoot(int dmg, irr::core::vector3df pos, irr::core::vector3df angulo) override;
    void collided(Collidable* who) override;
    // The agenda's death message ends a dying body's death with its signal; any other goes to the brain.
    void rcvMessage(int mensagem) override;
    bool isDying() const { return _flagDying; }
    // The brain's step, and the config's killall; a dying or dead body does nothing more: a hidden body
    // that the mission leaves in place must not go on striking the player.
    void exec() override;
    virtual void run();
    virtual void stop();
    virtual void attack();

    void setRun(const AnimationInfo& m) { _running = m; }
    void setParado(const AnimationInfo& m) { _standing = m; }
    void setMorrendo(const AnimationInfo& m) { _dying = m; }
    void setAttack(const AnimationInfo& m) { _attacking = m; }
    void setVisionRange(irr::f32 v) { _visionRange = v; }
    void setCorRotation(const irr::core::vector3df& cr) { _correctRotation = cr; }
    irr::core::vector3df getCorRotation() override { return _correctRotation; }
    irr::f32 getSpeed() override { return _currentSpeed; }

    void setAnimation(const AnimationInfo& m, bool loop);
    bool endAnimation();
    bool isInVisionRange(const irr::core::vector3df& v);
    bool isInAttackRange(const irr::core::vector3df& v);
    // The player when he is within vision range; walls do not block sight.
    Collidable* vision();
    // True when the body is out of the active camera's view.
    bool canSeeU();
    void rotate180();

    Brain* getBrain() const { return _brain; }
    const AnimationInfo& getCurrentAnimation() const { return _currentAnimation; }
    Arma* getArma() const { return _arma; }

protected:
    // The end every death shares: out of collision, and the death signalled after its delay.
    void startDying();
    // The word its log lines begin with.
    virtual const char* kind() const { return "NPC"; }
    // What leaving the world asks of every kind: the brain, the turns in the execution pass, the collision
    // and the body in the scene all go.
    void removeBody();

    irr::core::vector3df _correctRotation;
    Arma* _arma = nullptr;
    irr::f32 _visionRange = 0;
    AnimationInfo _currentAnimation{};
    AnimationInfo _running{};
    AnimationInfo _standing{};
    AnimationInfo _dying{};
    AnimationInfo _attacking{};
    float _currentSpeed = 0;
    Brain* _brain;
    irr::scene::IAnimatedMeshSceneNode* _aninode = nullptr;
    irr::scene::IMeshSceneNode* _node = nullptr;
    bool _flagDying = false;
    bool _dead = false;
};

// Whether hits spray blood.
extern bool Gblood;
