// The level's files read back for the tests.
#include "mediagen/LevelFiles.h"

#include <algorithm>
#include <stdexcept>

#include "world/Graph.h"

std::vector<WpnNode> readWaypointFile(const std::string& path)
{
    Graph graph;
    const std::vector<Node*> read = graph.load(path.c_str());
    std::vector<WpnNode> nodes;
    for (const Node* n : read) {
        nodes.push_back({n->pos, {}});
        for (const Edge& e : n->edge) {
            const auto target = std::find(read.begin(), read.end(), e.proximo);
            nodes.back().edges.push_back({static_cast<std::size_t>(target - read.begin()), e.distancia});
        }
    }
    return nodes;
}

LevelScene::LevelScene(irr::scene::ISceneManager* smgr) : _smgr(smgr)
{
    irr::scene::IAnimatedMesh* mesh = smgr->getMesh((LevelMedia + "OrvendMap/map.3DS").c_str());
    if (!mesh)
        throw std::runtime_error("map.3DS does not load");
    irr::scene::ISceneNode* node = smgr->addOctreeSceneNode(mesh->getMesh(0), nullptr, -1, 512);
    node->setScale({17, 17, 17});
    node->updateAbsolutePosition();
    _map = smgr->createOctreeTriangleSelector(mesh->getMesh(0), node, 128);
    node->setTriangleSelector(_map);
    _blocking = smgr->createMetaTriangleSelector();
    _blocking->addTriangleSelector(_map);
    std::string problem;
    for (const scenerylist::Entry& e : scenerylist::read(LevelMedia + "lista.txt", &problem)) {
        if (e.shape() != "box" || e.collisionRange() <= 0 || !e.collisionCamera())
            continue;
        irr::scene::IMesh* box = smgr->getGeometryCreator()->createCubeMesh(e.boxSize());
        irr::scene::IMeshSceneNode* boxNode = smgr->addMeshSceneNode(box);
        box->drop();
        boxNode->setPosition(e.position());
        boxNode->updateAbsolutePosition();
        irr::scene::ITriangleSelector* selector = smgr->createTriangleSelector(boxNode->getMesh(), boxNode);
        boxNode->setTriangleSelector(selector);
        _blocking->addTriangleSelector(selector);
        selector->drop();
        _boxes.push_back({e.name(), boxNode});
    }
}

LevelScene::~LevelScene()
{
    _map->drop();
    _blocking->drop();
}

void LevelScene::open(const std::string& name)
{
    for (auto& box : _boxes)
        if (box.first == name)
            _blocking->removeTriangleSelector(box.second->getTriangleSelector());
}

void LevelScene::sink(const std::string& name)
{
    for (auto& box : _boxes)
        if (box.first == name) {
            box.second->setPosition(box.second->getPosition() - irr::core::vector3df(0, 1000, 0));
            box.second->updateAbsolutePosition();
        }
}

void LevelScene::addBlockingMesh(const scenerylist::Entry& entry)
{
    irr::scene::IAnimatedMesh* mesh = _smgr->getMesh(scenerylist::mediaFile(LevelMedia, entry.mesh).c_str());
    if (!mesh)
        throw std::runtime_error("cannot load " + entry.mesh);
    irr::scene::IMeshSceneNode* node = _smgr->addMeshSceneNode(mesh->getMesh(0));
    node->setPosition(entry.position());
    node->setRotation({entry.numbers[3], entry.numbers[4], entry.numbers[5]});
    node->setScale({entry.numbers[6], entry.numbers[7], entry.numbers[8]});
    node->updateAbsolutePosition();
    irr::scene::ITriangleSelector* selector = _smgr->createTriangleSelector(node->getMesh(), node);
    node->setTriangleSelector(selector);
    _blocking->addTriangleSelector(selector);
    selector->drop();
}

bool LevelScene::segmentClear(const irr::core::vector3df& a, const irr::core::vector3df& b, bool withBoxes) const
{
    irr::core::vector3df hit;
    irr::core::triangle3df triangle;
    irr::scene::ISceneNode* node = nullptr;
    return !_smgr->getSceneCollisionManager()->getCollisionPoint(
        irr::core::line3df(a, b), withBoxes ? _blocking : _map, hit, triangle, node);
}

float LevelScene::groundBelow(float x, float from, float z) const
{
    irr::core::vector3df hit;
    irr::core::triangle3df triangle;
    irr::scene::ISceneNode* node = nullptr;
    if (!_smgr->getSceneCollisionManager()->getCollisionPoint(
            irr::core::line3df(x, from, z, x, -100, z), _blocking, hit, triangle, node))
        return -1000;
    return hit.Y;
}
