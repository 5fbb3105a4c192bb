// Drawing the level room by room.
#include "world/LevelNode.h"

#include "world/HiddenForAFrame.h"
#include "world/levelSplit.h"
#include "world/roomsInSight.h"

using irr::scene::ISceneNode;

namespace {

enum class Reach { everywhere, sky, room };

// What a node stands for: light and the view reach every room, the sky is seen from the rooms open to
// it, anything else stands where its box lies.
Reach reachOf(const ISceneNode& node)
{
    switch (node.getType()) {
    case irr::scene::ESNT_CAMERA:
    case irr::scene::ESNT_CAMERA_FPS:
    case irr::scene::ESNT_CAMERA_MAYA:
    case irr::scene::ESNT_LIGHT:
        return Reach::everywhere;
    case irr::scene::ESNT_SKY_BOX:
    case irr::scene::ESNT_SKY_DOME:
        return Reach::sky;
    default:
        return Reach::room;
    }
}

}  // namespace

LevelNode::LevelNode(irr::scene::IMesh* mesh, const RoomPlan& plan, float scale, irr::scene::ISceneManager* smgr)
    : ISceneNode(smgr->getRootSceneNode(), smgr), _plan(plan), _box(mesh->getBoundingBox())
{
    // The scene's top nodes register for drawing in their order: the others go behind this one.
    ISceneNode* root = smgr->getRootSceneNode();
    const irr::core::list<ISceneNode*> others = root->getChildren();
    for (ISceneNode* node : others)
        if (node != this)
            root->addChild(node);
    _hidden = new HiddenForAFrame(this, smgr);
    _hidden->drop();
    for (const LevelPiece& piece : splitByRoom(mesh, plan, scale)) {
        irr::scene::IMeshSceneNode* node = smgr->addMeshSceneNode(piece.mesh, this);
        node->setAutomaticCulling(irr::scene::EAC_FRUSTUM_BOX);
        _pieces.push_back({node, piece.rooms});
        piece.mesh->drop();
    }
}

void LevelNode::OnRegisterSceneNode()
{
    if (!IsVisible)
        return;
    const irr::scene::ICameraSceneNode* camera = SceneManager->getActiveCamera();
    std::vector<bool> seen(_plan.rooms.size(), true);
    if (_culling && camera)
        seen = roomsInSight(_plan, camera->getAbsolutePosition(), *camera->getViewFrustum(),
                            [this](const RoomDoorway& doorway) { return shut(doorway); });
    // The level's materials are all solid.
    for (const Piece& piece : _pieces)
        if (inSight(piece, seen))
            SceneManager->registerNodeForRendering(piece.node, irr::scene::ESNRP_SOLID);
    if (_culling)
        hideWithin(seen);
}

bool LevelNode::inSight(const Piece& piece, const std::vector<bool>& seen)
{
    if (piece.rooms.empty())
        return true;
    for (std::size_t room : piece.rooms)
        if (seen[room])
            return true;
    return false;
}

// A doorway is shut while its door stands in it, whole, to the top of the gap.
bool LevelNode::shut(const RoomDoorway& doorway) const
{
    const ISceneNode* door = SceneManager->getSceneNodeFromName(doorway.name.c_str());
    return door && door->isVisible() &&
           door->getTransformedBoundingBox().MaxEdge.Y >= doorway.opening.MaxEdge.Y - 1;
}

void LevelNode::hideWithin(const std::vector<bool>& seen)
{
    if (_plan.rooms.empty())
        return;
    bool skySeen = false;
    for (std::size_t i = 0; i < _plan.rooms.size(); ++i)
        skySeen = skySeen || (seen[i] && _plan.rooms[i].open);
    for (ISceneNode* node : SceneManager->getRootSceneNode()->getChildren())
        if (node != this && node->isVisible() && outOfSight(*node, seen, skySeen))
            _hidden->hide(node);
}

bool LevelNode::outOfSight(const ISceneNode& node, const std::vector<bool>& seen, bool skySeen) const
{
    switch (reachOf(node)) {
    case Reach::everywhere:
        return false;
    case Reach::sky:
        return !skySeen;
    case Reach::room:
        break;
    }
    const irr::core::aabbox3df box = node.getTransformedBoundingBox();
    for (std::size_t i = 0; i < _plan.rooms.size(); ++i)
        if (!seen[i] && box.isFullInside(_plan.rooms[i].box))
            return true;
    return false;
}

irr::u32 LevelNode::getMaterialCount() const
{
    irr::u32 count = 0;
    for (const Piece& piece : _pieces)
        count += piece.node->getMaterialCount();
    return count;
}

irr::video::SMaterial& LevelNode::getMaterial(irr::u32 i)
{
    for (const Piece& piece : _pieces) {
        const irr::u32 count = piece.node->getMaterialCount();
        if (i < count)
            return piece.node->getMaterial(i);
        i -= count;
    }
    return ISceneNode::getMaterial(i);
}
