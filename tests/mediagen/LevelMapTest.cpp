// The generated level in the engine: scale, floor under the fixed coordinates, doors that keep areas
// shut until their mission states, touchable objects the collision sweep can pair with the player, and
// a waypoint in sight from everywhere the player goes.
#include <algorithm>
#include <cmath>
#include <queue>
#include <set>

#include "OpenGLShot.h"
#include "level/LevelPlan.h"
#include "mediagen/LevelFiles.h"
#include "support/EngineTest.h"
#include "world/LateSky.h"
#include "world/LevelNode.h"
#include "world/RoomPlan.h"

using irr::core::vector3df;

namespace {

const float PlayerRadius = 20.0f;  // the player's collision ellipsoid, across
const float PlayerEye = 80.0f;
const float PlayerRange = 75.0f;
// The player's body fills the height from the floor to 60 (the ellipsoid of radius 30 under the eye):
// where he passes, a straight line at each of these heights passes too.
const float BodyHeights[] = {10.0f, 30.0f, 55.0f};

// Walkable floor on a 20-unit grid, flooded from the player's start through what blocks him.
class FloorGrid {
public:
    static constexpr float Step = 20.0f;
    // Cell centres sit 7 units off the 5-unit grid every wall face, frame and door lies on, so no
    // ray between two of them starts or ends on a face.
    static constexpr float X0 = -1093.0f, Z0 = -1193.0f;
    static constexpr int Nx = 128, Nz = 118;

    // With playerSized, a cell counts only where the player's body fits, not just a point.
    FloorGrid(const LevelScene& level, bool playerSized) : _level(level), _playerSized(playerSized) {}

    void flood(float x, float z)
    {
        _reached.assign(Nx * Nz, false);
        std::queue<int> open;
        const int start = cellAt(x, z);
        _reached[start] = true;
        open.push(start);
        while (!open.empty()) {
            const int c = open.front();
            open.pop();
            const int i = c % Nx, j = c / Nx;
            const int di[] = {1, -1, 0, 0}, dj[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                const int ni = i + di[k], nj = j + dj[k];
                if (ni < 0 || nj < 0 || ni >= Nx || nj >= Nz || _reached[nj * Nx + ni])
                    continue;
                if (!passable(centre(i, j), centre(ni, nj)) || (_playerSized && !fits(centre(ni, nj))))
                    continue;
                _reached[nj * Nx + ni] = true;
                open.push(nj * Nx + ni);
            }
        }
    }

    // Areas where some reached cell lies well inside (away from the doorway recesses).
    std::set<std::string> areasReached(const LevelPlan& plan) const
    {
        std::set<std::string> names;
        for (int c = 0; c < Nx * Nz; ++c) {
            if (!_reached[c])
                continue;
            const vector3df p = centre(c % Nx, c / Nx);
            for (const Area& a : plan.areas)
                if (p.X > a.x0 + 25 && p.X < a.x1 - 25 && p.Z > a.z0 + 25 && p.Z < a.z1 - 25)
                    names.insert(a.name);
        }
        return names;
    }

    // The player can stand at p and walk there in a straight line from a reached cell.
    bool canStandAt(const vector3df& p) const
    {
        if (!fits(p))
            return false;
        for (int c = 0; c < Nx * Nz; ++c)
            if (_reached[c] && centre(c % Nx, c / Nx).getDistanceFrom({p.X, 0, p.Z}) < 2 * Step &&
                passable(centre(c % Nx, c / Nx), {p.X, 0, p.Z}))
                return true;
        return false;
    }

    std::vector<vector3df> reachedCells() const
    {
        std::vector<vector3df> cells;
        for (int c = 0; c < Nx * Nz; ++c)
            if (_reached[c])
                cells.push_back(centre(c % Nx, c / Nx));
        return cells;
    }

    bool fits(const vector3df& p) const
    {
        for (float y : {10.0f, 60.0f, 110.0f})
            for (int k = 0; k < 8; ++k) {
                const float a = k * irr::core::PI / 4;
                const vector3df from(p.X, y, p.Z);
                if (!_level.segmentClear(from, from + vector3df(std::cos(a), 0, std::sin(a)) * PlayerRadius, true))
                    return false;
            }
        return true;
    }

private:
    static vector3df centre(int i, int j) { return {X0 + i * Step, 0, Z0 + j * Step}; }
    static int cellAt(float x, float z)
    {
        return static_cast<int>(std::lround((z - Z0) / Step)) * Nx + static_cast<int>(std::lround((x - X0) / Step));
    }
    bool passable(const vector3df& a, const vector3df& b) const
    {
        for (float y : BodyHeights)
            if (!_level.segmentClear({a.X, y, a.Z}, {b.X, y, b.Z}, true))
                return false;
        return true;
    }

    const LevelScene& _level;
    bool _playerSized;
    std::vector<bool> _reached;
};

struct RegistryEntry {
    std::string name;
    vector3df pos;
    float range;
};

// What sits in the collision registry for the whole level: the level itself at the origin, the
// picture, and every list object registered for collision.
std::vector<RegistryEntry> staticRegistry(const std::vector<ListEntry>& list)
{
    std::vector<RegistryEntry> registry = {{"world", {0, 0, 0}, 10}, {"quadro", {-860, 105, -1178}, 50}};
    for (const ListEntry& e : list)
        if (e.collisionRange() > 0)
            registry.push_back({e.name(), e.position(), static_cast<float>(e.collisionRange())});
    return registry;
}

class LevelMapTest : public EngineTest {
protected:
    const LevelPlan plan = orvendPlan();
    const std::vector<ListEntry> list = scenerylist::read(LevelMedia + "lista.txt");

    const ListEntry& entry(const std::string& name) const
    {
        for (const ListEntry& e : list)
            if (e.name() == name)
                return e;
        throw std::out_of_range(name);
    }
    std::string areaOf(float x, float z) const
    {
        const Area* a = plan.areaAt(x, z);
        return a ? a->name : "outside";
    }
};

}  // namespace

TEST_F(LevelMapTest, LoadsTexturedWithFloorAtZeroAndWallsAboveTheEye)
{
    irr::scene::IAnimatedMesh* mesh = GSmgr->getMesh((LevelMedia + "OrvendMap/map.3DS").c_str());
    ASSERT_NE(mesh, nullptr);
    for (irr::u32 i = 0; i < mesh->getMesh(0)->getMeshBufferCount(); ++i)
        EXPECT_NE(mesh->getMesh(0)->getMeshBuffer(i)->getMaterial().getTexture(0), nullptr) << i;
    const irr::core::aabbox3df box = mesh->getMesh(0)->getBoundingBox();
    EXPECT_NEAR(box.MinEdge.Y * 17, 0.0f, 0.01f);
    EXPECT_NEAR(box.MaxEdge.Y * 17, 250.0f, 0.01f);
}

TEST_F(LevelMapTest, FixedCoordinatesStandOnOpenFloorInTheirAreas)
{
    const LevelScene level(GSmgr);
    struct Fixed { float x, z; const char* area; };
    std::vector<Fixed> fixed = {{200, -650, "Saguao"},         {-860, -1178, "Saguao"},    {-300, 300, "Laboratorio"},
                                {-115, 500, "Laboratorio"},    {500, 300, "Patio leste"}, {711, -245, "Sala G"},
                                {900, -400, "Sala G"},         {800, 800, "Sala E"},      {950, 700, "Sala E"}};
    for (int j = 0; j <= 2; ++j)
        for (int k = 0; k <= 2; ++k)
            if (j || k)
                fixed.push_back({1000.0f + 150 * k, 700.0f + 150 * j, "Sala E"});
    for (const Fixed& f : fixed) {
        EXPECT_EQ(areaOf(f.x, f.z), f.area) << f.x << "," << f.z;
        EXPECT_NEAR(level.groundBelow(f.x, 200, f.z), 0.0f, 0.01f) << f.x << "," << f.z;
    }
}

TEST_F(LevelMapTest, ThePictureHangsFlatOnTheLobbysSouthWall)
{
    const LevelScene level(GSmgr);
    for (float dx : {-220.0f, 0.0f, 220.0f})
        for (float y : {55.0f, 105.0f, 155.0f}) {
            EXPECT_TRUE(level.segmentClear({-860 + dx, y, -1100}, {-860 + dx, y, -1178}, true));
            EXPECT_FALSE(level.segmentClear({-860 + dx, y, -1100}, {-860 + dx, y, -1182}, true));
        }
}

TEST_F(LevelMapTest, EachDoorKeepsItsAreaShutUntilTheStateThatOpensIt)
{
    LevelScene level(GSmgr);
    FloorGrid grid(level, false);
    const auto reachedAfter = [&]() {
        grid.flood(200, -650);
        return grid.areasReached(plan);
    };
    using Names = std::set<std::string>;
    EXPECT_EQ(reachedAfter(), Names({"Saguao", "Laboratorio"}));
    for (const char* name : {"PortaCentroD", "ParedeA", "ParedeF"})
        level.open(name);
    EXPECT_EQ(reachedAfter(), Names({"Saguao", "Laboratorio", "Patio leste"}));
    level.open("PortaSalaB");
    EXPECT_EQ(reachedAfter(), Names({"Saguao", "Laboratorio", "Patio leste", "Sala B"}));
    level.open("PortaSalaG");
    EXPECT_EQ(reachedAfter(), Names({"Saguao", "Laboratorio", "Patio leste", "Sala B", "Sala G"}));
    level.sink("PortaSalaE");
    EXPECT_EQ(reachedAfter(), Names({"Saguao", "Laboratorio", "Patio leste", "Sala B", "Sala G", "Sala E"}));
}

// The player's eye positions, frame by frame, walking from `from` straight at `target` under the
// engine's collision response with the player's own ellipsoid, as far as the walls let him.
std::vector<vector3df> walk(irr::scene::ISceneManager* smgr, const LevelScene& level, vector3df from, vector3df target)
{
    irr::scene::ISceneNode* body = smgr->addEmptySceneNode();
    body->setPosition(from);
    irr::scene::ISceneNodeAnimator* response = smgr->createCollisionResponseAnimator(
        level.blocking(), body, {20, 30, 20}, {0, -20, 0}, {0, 50, 0}, 0.0005f);
    body->addAnimator(response);
    response->drop();
    vector3df step = target - from;
    step.Y = 0;
    step.setLength(4.0f);
    std::vector<vector3df> path;
    for (irr::u32 frame = 1; frame <= 80; ++frame) {
        body->setPosition(body->getPosition() + step);
        body->OnAnimate(frame * 20);
        path.push_back(body->getPosition());
    }
    body->remove();
    return path;
}

// The sweep pairs the player with a touchable only when they overlap and nothing else in the
// registry lies between them in X.
bool sweepPairs(const vector3df& player, const RegistryEntry& object, const std::vector<RegistryEntry>& registry)
{
    if (player.getDistanceFrom(object.pos) >= (PlayerRange + object.range) / 2)
        return false;
    const float lo = std::min(player.X, object.pos.X), hi = std::max(player.X, object.pos.X);
    for (const RegistryEntry& other : registry)
        if (other.name != object.name && other.pos.X >= lo && other.pos.X <= hi)
            return false;
    return true;
}

TEST_F(LevelMapTest, WalkingIntoEachTouchableMakesThePlayerItsXNeighbourWithinRange)
{
    LevelScene level(GSmgr);
    level.addBlockingMesh(entry("Computador"));
    level.addBlockingMesh(entry("Antena"));
    FloorGrid grid(level, true);
    const std::vector<RegistryEntry> registry = staticRegistry(list);
    // The doors opened by the state in which each object is needed.
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> stages = {
        {{}, {"Computador"}},
        {{"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB"}, {"Arma", "Pendrive"}},
        {{"PortaSalaG"}, {"Antena", "InterruptorSala"}},
        {{"PortaSalaE"}, {"Certificado"}},
    };
    for (const auto& stage : stages) {
        for (const std::string& door : stage.first)
            door == "PortaSalaE" ? level.sink(door) : level.open(door);
        grid.flood(200, -650);
        for (const std::string& name : stage.second) {
            const RegistryEntry& object = *std::find_if(registry.begin(), registry.end(),
                                                        [&](const RegistryEntry& r) { return r.name == name; });
            const PlanPoint spot = std::find_if(plan.scenery.begin(), plan.scenery.end(),
                                                [&](const SceneryEntry& s) { return s.name == name; })->touchSpot;
            // Start a few steps back from the spot in front of it, on floor reached from the start.
            vector3df approach(spot.x - object.pos.X, 0, spot.z - object.pos.Z);
            approach.setLength(60);
            const vector3df start = vector3df(spot.x, PlayerEye, spot.z) + approach;
            EXPECT_TRUE(grid.canStandAt(start)) << name;
            bool paired = false;
            for (const vector3df& p : walk(GSmgr, level, start, object.pos))
                paired = paired || sweepPairs(p, object, registry);
            EXPECT_TRUE(paired) << name;
        }
    }
}

TEST_F(LevelMapTest, NoTwoFixedObjectsTouchEachOtherByThemselves)
{
    const std::vector<RegistryEntry> registry = staticRegistry(list);
    for (std::size_t i = 0; i < registry.size(); ++i)
        for (std::size_t j = i + 1; j < registry.size(); ++j)
            EXPECT_GE(registry[i].pos.getDistanceFrom(registry[j].pos), (registry[i].range + registry[j].range) / 2)
                << registry[i].name << " and " << registry[j].name;
}

// Route planning starts from the waypoint nearest the player and the one nearest the monster that
// each can see; where none is in sight the monster walks straight at the player, through walls.
TEST_F(LevelMapTest, EveryPlaceThePlayerReachesSeesAWaypointAtEyeAndMonsterHeight)
{
    LevelScene level(GSmgr);
    for (const char* name : {"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB", "PortaSalaG"})
        level.open(name);
    level.sink("PortaSalaE");
    FloorGrid grid(level, true);
    grid.flood(200, -650);
    const std::vector<WpnNode> nodes = readWaypointFile(LevelMedia + "OrvendMap/wayPoint.wpn");
    for (const vector3df& cell : grid.reachedCells())
        for (float y : {plan.monsterHeight, PlayerEye}) {
            const vector3df from(cell.X, y, cell.Z);
            EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(),
                                    [&](const WpnNode& n) { return level.segmentClear(from, n.pos, false); }))
                << from.X << "," << from.Y << "," << from.Z;
        }
}

namespace {

// The level as the game draws it, room by room, in an OpenGL window: the doors, the scenery and the
// collectables of the list and the tables standing in it, unlit, under the sky.
class DrawnLevel {
public:
    DrawnLevel(OpenGLShot& shot, const std::vector<ListEntry>& list, const LevelPlan& plan) : _smgr(shot.scene())
    {
        std::string problem;
        const RoomPlan rooms = readRoomPlan(LevelMedia + "OrvendMap/rooms.txt", problem);
        EXPECT_EQ(problem, "");
        irr::scene::IMesh* map = _smgr->getMesh((LevelMedia + "OrvendMap/map.3DS").c_str())->getMesh(0);
        _level = new LevelNode(map, rooms, 17, _smgr);
        _level->setScale(vector3df(17));
        _level->drop();
        for (const ListEntry& e : list)
            add(e);
        irr::scene::IAnimatedMesh* table = _smgr->getMesh((LevelMedia + "tablechair.3DS").c_str());
        for (const PlanPoint& at : plan.tableGroups)
            _smgr->addMeshSceneNode(table->getMesh(0), nullptr, -1, {at.x, at.y, at.z}, {}, vector3df(0.5f));
        for (irr::scene::ISceneNode* node : _smgr->getRootSceneNode()->getChildren())
            node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
        _sky = new LateSky(_smgr->addSkyDomeSceneNode(
                               _smgr->getVideoDriver()->getTexture((LevelMedia + "skydome2.jpg").c_str()), 16, 8,
                               1.0f, 1.5f, 1000.0f),
                           _smgr);
        _sky->drop();
        _camera = _smgr->addCameraSceneNode();
    }

    // The mission's ways of opening a door: taken out of the level, or sunk into the floor.
    void open(const std::string& door) { _smgr->getSceneNodeFromName(door.c_str())->remove(); }
    void sink(const std::string& door)
    {
        irr::scene::ISceneNode* node = _smgr->getSceneNodeFromName(door.c_str());
        node->setPosition(node->getPosition() - vector3df(0, 1000, 0));
    }

    // The picture from the eye looking at the target, and the triangles drawn: with culling, only the
    // rooms in sight and the sky last; without, everything with the sky first, as the engine draws it.
    irr::video::IImage* view(OpenGLShot& shot, const vector3df& eye, const vector3df& target, bool culling,
                             irr::u32& triangles)
    {
        _camera->setPosition(eye);
        _camera->setTarget(target);
        _level->setCulling(culling);
        _sky->setLate(culling);
        irr::video::IImage* picture = shot.capture(irr::video::SColor(255, 96, 120, 150));
        triangles = _smgr->getVideoDriver()->getPrimitiveCountDrawn();
        return picture;
    }

private:
    void add(const ListEntry& e)
    {
        irr::scene::IMeshSceneNode* node = nullptr;
        if (e.shape() == "box") {
            irr::scene::IMesh* box = _smgr->getGeometryCreator()->createCubeMesh(e.boxSize());
            node = _smgr->addMeshSceneNode(box);
            box->drop();
        } else {
            node = _smgr->addMeshSceneNode(
                _smgr->getMesh(scenerylist::mediaFile(LevelMedia, e.mesh).c_str())->getMesh(0));
        }
        if (e.texture != "-")
            node->setMaterialTexture(
                0, _smgr->getVideoDriver()->getTexture(scenerylist::mediaFile(LevelMedia, e.texture).c_str()));
        node->setName(e.name().c_str());
        node->setPosition(e.position());
        node->setRotation(e.rotation());
        node->setScale(e.scale());
    }

    irr::scene::ISceneManager* _smgr;
    LevelNode* _level = nullptr;
    LateSky* _sky = nullptr;
    irr::scene::ICameraSceneNode* _camera = nullptr;
};

// Pixels where the two pictures differ by more than a shade in some colour.
int differingPixels(irr::video::IImage* a, irr::video::IImage* b)
{
    int count = 0;
    const irr::core::dimension2du size = a->getDimension();
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x) {
            const irr::video::SColor p = a->getPixel(x, y), q = b->getPixel(x, y);
            count += std::abs(static_cast<int>(p.getRed()) - static_cast<int>(q.getRed())) > 8 ||
                     std::abs(static_cast<int>(p.getGreen()) - static_cast<int>(q.getGreen())) > 8 ||
                     std::abs(static_cast<int>(p.getBlue()) - static_cast<int>(q.getBlue())) > 8;
        }
    return count;
}

}  // namespace

// From places the player reaches, before the first door opens and once every door is open, looking
// four ways: the picture with only the rooms in sight drawn, the sky last, is the picture with everything
// drawn.
// Needs a display: screenshots.sh runs it under Xvfb.
TEST_F(LevelMapTest, FromEveryPlaceThePlayerReachesCullingLeavesThePictureAsItIs)
{
    OpenGLShot shot(160, 120);
    if (!shot.ready())
        GTEST_SKIP() << "no display";
    DrawnLevel drawn(shot, list, plan);
    LevelScene level(GSmgr);
    const std::vector<const char*> destroyed = {"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB", "PortaSalaG"};
    const int Noise = 160 * 120 / 200;
    irr::u32 drawnCulled = 0, drawnWhole = 0;
    for (bool doorsOpen : {false, true}) {
        if (doorsOpen) {
            for (const char* name : destroyed) {
                level.open(name);
                drawn.open(name);
            }
            level.sink("PortaSalaE");
            drawn.sink("PortaSalaE");
        }
        FloorGrid grid(level, true);
        grid.flood(200, -650);
        const std::vector<vector3df> cells = grid.reachedCells();
        for (std::size_t c = 0; c < cells.size(); ++c)
            for (int way = 0; way < 4; ++way) {
                const vector3df eye(cells[c].X, PlayerEye, cells[c].Z);
                const float heading = way * irr::core::HALF_PI;
                const vector3df target = eye + vector3df(std::sin(heading), -0.1f, std::cos(heading)) * 100;
                irr::u32 culled = 0, whole = 0;
                irr::video::IImage* withCulling = drawn.view(shot, eye, target, true, culled);
                irr::video::IImage* without = drawn.view(shot, eye, target, false, whole);
                ASSERT_TRUE(withCulling && without);
                EXPECT_LE(differingPixels(withCulling, without), Noise)
                    << "from " << eye.X << "," << eye.Z << " looking " << way * 90 << " degrees, doors "
                    << (doorsOpen ? "open" : "shut");
                withCulling->drop();
                without->drop();
                drawnCulled += culled;
                drawnWhole += whole;
            }
    }
    // Culling was on: rooms out of sight were left undrawn.
    EXPECT_LT(drawnCulled, drawnWhole * 3 / 4);
}
