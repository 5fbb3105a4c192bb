// Objects that can be touched or hit: their triangle selectors, the registry Gcolisao, the proximity sweep
// and the first-hit ray test.
#pragma once

#include <irrlicht.h>
#include <vector>

#include "messaging/Interactive.h"

class Collidable : public Interactive {
public:
    Collidable() = default;
    ~Collidable() override;
    Collidable(const Collidable&) = delete;
    Collidable& operator=(const Collidable&) = delete;

    virtual void gotShoot(int dmg, irr::core::vector3df pos, irr::core::vector3df angulo) = 0;
    virtual irr::core::vector3df getPosition() = 0;
    virtual irr::scene::ISceneNode* getNode() = 0;
    virtual void collided(Collidable* who) = 0;
    // How the player fares when the sweep finds him touching this object: pushed back (the default),
    // passing through (an item he picks up) or stopped at its edge (the furniture he uses).
    enum class Touch { pushBack, passThrough, stop };
    virtual Touch touchForPlayer() const { return Touch::pushBack; }
    // Whether a ray that stops on `node` hit this object; an object made of more than its node says so.
    virtual bool ownsNode(irr::scene::ISceneNode* node) { return node == getNode(); }

    void turnOnCollision(irr::f32 range, bool camera, irr::scene::IMeshSceneNode* node);
    void turnOnCollision(irr::f32 range, bool camera, irr::scene::IAnimatedMeshSceneNode* node);
    irr::scene::IMeshSceneNode* createSelector(irr::scene::IMesh* mesh);
    void setSelectorFromCamera(irr::scene::ICameraSceneNode* cam);
    irr::scene::ITriangleSelector* getSelector() { return _selector; }
    void turnOffCollision();
    void drop();

    irr::f32 getCollisionRange() const { return _collisionRange; }
    bool getCollisionCamera() const { return _collisionCamera; }

protected:
    // Keeps `selector` (already counted for us), sets it on `node` and enters the registry.
    void attachSelector(irr::scene::ITriangleSelector* selector, irr::scene::ISceneNode* node);

    irr::scene::ITriangleSelector* _selector = nullptr;
    irr::f32 _collisionRange = 10.0f;
    bool _collisionCamera = false;

private:
    // What turnOffCollision and drop both do.
    void leaveRegistry();
};

// Takes the first entry equal to who out of Gcolisao, if there is one.
void removeCollision(Collidable* who);
// The level on show as a collidable, or null; the level's own file answers, so this one needs no map.
Collidable* currentLevel();
// True for the player's own registration: the one test that tells him apart from every other collidable.
bool isPlayer(Collidable* c);
bool collidableCompare(Collidable* a, Collidable* b);
void updateVector();
void updateCollision();
Collidable* getFirstCollision(irr::core::line3df ray, irr::core::vector3df* intersection,
                              irr::core::triangle3df* hitTriangle);

// Everything that can be touched, in the sweep's order; and the triangles the player's camera collides
// with (the level's, the scenery's), built at start-up.
extern std::vector<Collidable*> Gcolisao;
extern irr::scene::IMetaTriangleSelector* GtriangleSelectorsCamera;
