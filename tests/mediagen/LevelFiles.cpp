#include "mediagen/LevelFiles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string listedFile(const std::string& listPath)
{
    const std::string prefix = "\\media\\";
    std::string relative = listPath.compare(0, prefix.size(), prefix) == 0 ? listPath.substr(prefix.size()) : listPath;
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    return LevelMedia + relative;
}

std::string ListEntry::name() const
{
    std::vector<std::string> pieces;
    tokenize(scenery() ? nameLine.substr(1) : nameLine, pieces, scenery() ? "*" : "");
    return pieces.empty() ? std::string() : pieces[0];
}

std::string ListEntry::shape() const
{
    std::vector<std::string> pieces;
    if (scenery())
        tokenize(nameLine.substr(1), pieces, "*");
    return pieces.size() > 1 ? pieces[1] : std::string();
}

int ListEntry::collisionRange() const
{
    const std::size_t at = properties.find("collision=");
    if (at == std::string::npos)
        return 0;
    return std::atoi(properties.substr(at + 10, 10).c_str());
}

irr::core::vector3df ListEntry::boxSize() const
{
    std::vector<std::string> pieces;
    tokenize(properties, pieces, ",");
    float v[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3 && i < pieces.size(); ++i)
        v[i] = static_cast<float>(std::atof(pieces[i].c_str()));
    return {v[0], v[1], v[2]};
}

void tokenize(const std::string& str, std::vector<std::string>& tokens, const std::string& delimiters)
{
    std::size_t start = str.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        const std::size_t end = str.find_first_of(delimiters, start);
        tokens.push_back(str.substr(start, end - start));
        start = end == std::string::npos ? end : str.find_first_not_of(delimiters, end);
    }
}

bool myfgets(char* buffer, std::FILE* file)
{
    do {
        if (!std::fgets(buffer, 255, file))
            return false;
    } while (buffer[0] == '#');
    return true;
}

void put0(char* text)
{
    text[std::strcspn(text, "\r\n")] = '\0';
}

std::vector<ListEntry> readSceneryList(const std::string& path, std::string* problem)
{
    std::vector<ListEntry> entries;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        if (problem)
            *problem = "cannot open " + path;
        return entries;
    }
    char lines[6][256];
    for (;;) {
        int read = 0;
        while (read < 6 && myfgets(lines[read], file)) {
            put0(lines[read]);
            ++read;
        }
        if (read < 6) {
            if (read > 0 && problem)
                *problem = "entry cut short after " + std::to_string(read) + " lines";
            break;
        }
        ListEntry e{lines[0], lines[1], lines[2], lines[3], lines[5], {}};
        std::vector<std::string> pieces;
        tokenize(lines[4], pieces, ",");
        for (const std::string& p : pieces)
            e.numbers.push_back(static_cast<float>(std::atof(p.c_str())));
        entries.push_back(e);
    }
    std::fclose(file);
    return entries;
}

namespace {

template <typename T>
T take(const std::vector<char>& bytes, std::size_t& at)
{
    if (at + sizeof(T) > bytes.size())
        throw std::runtime_error("waypoint record cut short");
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    at += sizeof(T);
    return value;
}

}  // namespace

std::vector<WpnNode> readWaypointFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t at = 0;
    const std::uint32_t count = take<std::uint32_t>(bytes, at);
    std::vector<WpnNode> nodes;
    std::vector<std::uint32_t> ids;
    std::vector<std::vector<std::uint32_t>> targets;
    while (at < bytes.size()) {
        WpnNode node;
        const std::uint8_t tot = take<std::uint8_t>(bytes, at);
        ids.push_back(take<std::uint32_t>(bytes, at));
        node.pos.X = take<float>(bytes, at);
        node.pos.Y = take<float>(bytes, at);
        node.pos.Z = take<float>(bytes, at);
        targets.emplace_back();
        for (int i = 0; i < tot; ++i) {
            targets.back().push_back(take<std::uint32_t>(bytes, at));
            node.edges.push_back({0, take<std::uint32_t>(bytes, at)});
        }
        nodes.push_back(node);
    }
    if (nodes.size() != count)
        throw std::runtime_error("Arquivo de WayPoints corrompido!!!");
    for (std::size_t n = 0; n < nodes.size(); ++n)
        for (std::size_t e = 0; e < nodes[n].edges.size(); ++e) {
            std::size_t found = 0;
            while (found < ids.size() && ids[found] != targets[n][e])
                ++found;
            if (found == ids.size())
                throw std::runtime_error("edge to an unknown node");
            nodes[n].edges[e].first = found;
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
    for (const ListEntry& e : readSceneryList(LevelMedia + "lista.txt", &problem)) {
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

void LevelScene::addBlockingMesh(const ListEntry& entry)
{
    irr::scene::IAnimatedMesh* mesh = _smgr->getMesh(listedFile(entry.mesh).c_str());
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
