// The level: one collidable that owns the level's scene node and the triangle selector over it, and what
// is loaded into the level (the scenery, the items, the picture, the signs) until the level goes.
#pragma once

#include <memory>
#include <vector>

#include "world/Collidable.h"

class Map : public Collidable {
public:
    // Frees what the level keeps, the newest first.
    ~Map() override;

    void rcvMessage(int) override {}
    void gotShoot(int, irr::core::vector3df, irr::core::vector3df) override {}
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override {}

    // `folder` ends with a path separator, / or \; the level's file names are appended to it.
    void load3DSMap(const irr::core::stringc& folder);
    void loadQ3Map(const irr::core::stringc& folder);
    // Fills GGraph from the folder's waypoint file; false when it holds no waypoint. A corrupt file is
    // reported and leaves the graph empty, so the monsters walk straight routes.
    bool loadGraph(const irr::core::stringc& folder);
    void startSound(const irr::core::stringc& file);

    // The level keeps the object and frees it when it goes; the answer is the object, to go on with.
    template <typename Object>
    Object* keep(std::unique_ptr<Object> object)
    {
        Object* kept = object.get();
        _kept.push_back(std::move(object));
        return kept;
    }

private:
    void finishNode(const irr::core::stringc& name);

    irr::scene::ISceneNode* _node = nullptr;
    std::vector<std::unique_ptr<Interactive>> _kept;
};

// The level on show.
extern Map* GcurrentMap;
