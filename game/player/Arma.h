// A weapon: ammunition, damage, range, an optional firing sound and the model its holder carries.
#pragma once

#include <irrlicht.h>

class SoundSource;

// How a weapon's model is loaded and placed on its holder; paths are appended to the game's folder.
struct ArmaModel {
    const char* mesh;
    irr::core::vector3df position;
    irr::core::vector3df rotation;
    float scale;
    const char* texture;  // null: the mesh's own
    const char* name;
};

class Arma {
public:
    Arma();
    virtual ~Arma() = default;
    Arma(const Arma&) = delete;
    Arma& operator=(const Arma&) = delete;

    // The step every firing weapon runs first: false when out of ammunition, else one shot used.
    virtual bool shoot();
    // Whether the player aims it at the middle of his view (the crosshair shows while it is in hand).
    virtual bool aims() const { return true; }

    void playSound();
    void setSound(const char* file);
    void setRange(float r) { _range = r + 30; }
    float getRange() const { return _range - 30; }
    void addMunicao(int m);
    int getMunicao() const { return _municao; }
    unsigned getDamage() const { return _damage; }
    void setDamage(unsigned d) { _damage = d; }
    void drop(irr::core::vector3df position);

    // The holder carries the weapon: its model becomes a child of `holder` and moves with it.
    void attachTo(irr::scene::ISceneNode* holder);
    // Shows or hides the model; a weapon without one has nothing to show.
    void show(bool visible);
    irr::scene::IAnimatedMeshSceneNode* getNode() const { return _node; }

    char tipo = 0;

protected:
    // Loads and places the model; a mesh that does not load leaves the weapon without one, and the
    // log says which file was missing.
    void makeNode(const ArmaModel& model);
    // The node the weapon aims with: its model, or its holder when the model is missing.
    irr::scene::ISceneNode* aimNode() const;
    // The node whose view the weapon shoots along: the holder, or the model's parent before it has one.
    irr::scene::ISceneNode* holderNode() const;
    // The ray of `length` straight ahead of `node`, as its absolute rotation and scale turn it.
    static irr::core::vector3df ahead(irr::scene::ISceneNode* node, float length);

    int _municao;
    unsigned _damage = 0;
    float _range = 30;
    SoundSource* _fire;
    irr::scene::IAnimatedMeshSceneNode* _node = nullptr;
    irr::scene::ISceneNode* _holder = nullptr;
};
