// The level's scene node: the level mesh cut room by room, drawing only the rooms that can be seen from
// the camera's, and leaving undrawn for the frame whatever stands wholly inside the others, and the sky
// while no room open to it is in sight.
#pragma once

#include <vector>

#include <irrlicht.h>

#include "world/RoomPlan.h"
#include "world/levelSplit.h"

class LevelNode : public irr::scene::ISceneNode {
public:
    // With an empty plan the mesh stays whole and is always drawn. The node goes first among the
    // scene's top nodes, so that it decides before any of them is drawn.
    LevelNode(irr::scene::IMesh* mesh, const RoomPlan& plan, float scale, irr::scene::ISceneManager* smgr);

    // Off, everything is drawn as it would be without rooms.
    void setCulling(bool on) { _culling = on; }

    void OnRegisterSceneNode() override;
    // Draws the rooms in sight nearest first, so that the farther ones are mostly spared by the depth
    // test; in the camera's pass, drawn first once every node has registered, shows again what was left
    // undrawn.
    void render() override;
    const irr::core::aabbox3df& getBoundingBox() const override { return _box; }
    irr::u32 getMaterialCount() const override;
    irr::video::SMaterial& getMaterial(irr::u32 i) override;

private:
    struct Piece {
        irr::scene::IMeshSceneNode* node;
        std::vector<std::size_t> rooms;
    };
    // How many doorways away the nearest of its rooms is seen through, or NotInSight.
    static int stepsTo(const Piece& piece, const std::vector<int>& steps);

    bool shut(const RoomDoorway& doorway) const;
    void chooseDrawn(const std::vector<int>& steps);
    void drawPieces();
    void hideWithin(const std::vector<int>& steps);
    bool outOfSight(const irr::scene::ISceneNode& node, const std::vector<int>& steps, bool skySeen) const;

    RoomPlan _plan;
    std::vector<Piece> _pieces;
    // This frame's pieces to draw, in order.
    std::vector<irr::scene::IMeshSceneNode*> _drawn;
    std::vector<irr::scene::ISceneNode*> _hidden;
    irr::core::aabbox3df _box;
    bool _culling = true;
};
