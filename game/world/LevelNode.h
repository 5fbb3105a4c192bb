// The level's scene node: the level mesh cut room by room, drawing only the rooms that can be seen from
// the camera's, and leaving undrawn for the frame whatever stands wholly inside the others, and the sky
// while no room open to it is in sight.
#pragma once

#include <vector>

#include <irrlicht.h>

#include "world/HiddenForAFrame.h"
#include "world/RoomPlan.h"

class LevelNode : public irr::scene::ISceneNode {
public:
    // With an empty plan the mesh stays whole and is always drawn. The node goes first among the
    // scene's top nodes, so that it decides before any of them is drawn.
    LevelNode(irr::scene::IMesh* mesh, const RoomPlan& plan, float scale, irr::scene::ISceneManager* smgr);

    // Off, everything is drawn as it would be without rooms.
    void setCulling(bool on) { _culling = on; }

    void OnRegisterSceneNode() override;
    // Its pieces draw themselves.
    void render() override {}
    const irr::core::aabbox3df& getBoundingBox() const override { return _box; }
    irr::u32 getMaterialCount() const override;
    irr::video::SMaterial& getMaterial(irr::u32 i) override;

private:
    bool shut(const RoomDoorway& doorway) const;
    void hideWithin(const std::vector<bool>& seen);
    bool outOfSight(const irr::scene::ISceneNode& node, const std::vector<bool>& seen, bool skySeen) const;

    RoomPlan _plan;
    struct Piece {
        irr::scene::IMeshSceneNode* node;
        std::vector<std::size_t> rooms;
    };
    static bool inSight(const Piece& piece, const std::vector<bool>& seen);

    std::vector<Piece> _pieces;
    HiddenForAFrame* _hidden;
    irr::core::aabbox3df _box;
    bool _culling = true;
};
