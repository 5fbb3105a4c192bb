// Drawing the level room by room.
#include "world/LevelNode.h"

#include <algorithm>
#include <climits>
#include <utility>

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
    // Its pieces are culled one by one.
    setAutomaticCulling(irr::scene::EAC_OFF);
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
    std::vector<int> steps(_plan.rooms.size(), 0);
    if (_culling && camera)
        steps = roomsInSight(_plan, camera->getAbsolutePosition(), *camera->getViewFrustum(),
                             [this](const RoomDoorway& doorway) { return shut(doorway); });
    chooseDrawn(steps);
    if (!_drawn.empty())
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_SOLID);
    if (_culling)
        hideWithin(steps);
    if (!_hidden.empty())
        SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_CAMERA);
}

int LevelNode::stepsTo(const Piece& piece, const std::vector<int>& steps)
{
    // What lies in no room is drawn always, after the rooms.
    if (piece.rooms.empty())
        return INT_MAX;
    int nearest = NotInSight;
    for (std::size_t room : piece.rooms)
        if (steps[room] != NotInSight && (nearest == NotInSight || steps[room] < nearest))
            nearest = steps[room];
    return nearest;
}

void LevelNode::chooseDrawn(const std::vector<int>& steps)
{
    std::vector<std::pair<int, irr::scene::IMeshSceneNode*>> chosen;
    for (const Piece& piece : _pieces) {
        const int away = stepsTo(piece, steps);
        if (away != NotInSight && !SceneManager->isCulled(piece.node))
            chosen.push_back({away, piece.node});
    }
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    _drawn.clear();
    for (const auto& piece : chosen)
        _drawn.push_back(piece.second);
}

void LevelNode::render()
{
    if (SceneManager->getSceneNodeRenderPass() == irr::scene::ESNRP_SOLID) {
        drawPieces();
        return;
    }
    for (ISceneNode* node : _hidden)
        node->setVisible(true);
    _hidden.clear();
}

void LevelNode::drawPieces()
{
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    for (irr::scene::IMeshSceneNode* piece : _drawn) {
        driver->setTransform(irr::video::ETS_WORLD, piece->getAbsoluteTransformation());
        irr::scene::IMesh* mesh = piece->getMesh();
        for (irr::u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {
            driver->setMaterial(piece->getMaterial(i));
            driver->drawMeshBuffer(mesh->getMeshBuffer(i));
        }
    }
}

// A doorway is shut while its door stands in it, whole, to the top of the gap.
bool LevelNode::shut(const RoomDoorway& doorway) const
{
    const ISceneNode* door = SceneManager->getSceneNodeFromName(doorway.name.c_str());
    return door && door->isVisible() &&
           door->getTransformedBoundingBox().MaxEdge.Y >= doorway.opening.MaxEdge.Y - 1;
}

void LevelNode::hideWithin(const std::vector<int>& steps)
{
    if (_plan.rooms.empty())
        return;
    bool skySeen = false;
    for (std::size_t i = 0; i < _plan.rooms.size(); ++i)
        skySeen = skySeen || (steps[i] != NotInSight && _plan.rooms[i].open);
    for (ISceneNode* node : SceneManager->getRootSceneNode()->getChildren())
        if (node != this && node->isVisible() && outOfSight(*node, steps, skySeen)) {
            node->setVisible(false);
            _hidden.push_back(node);
        }
}

bool LevelNode::outOfSight(const ISceneNode& node, const std::vector<int>& steps, bool skySeen) const
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
        if (steps[i] == NotInSight && box.isFullInside(_plan.rooms[i].box))
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
