// Monsters on the generated level: from each spawn point ninjas chase the player along the waypoints,
// never through a wall or a closed door, and strike him at the same pace at any frame rate; the spider
// walks head first up to him and its strikes land.
#include <algorithm>

#include "ai/Brain1.h"
#include "ai/MonsterWorld.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "world/lineOfSight.h"
#include "world/pathfinding.h"
#include "world/sceneryListReader.h"

using irr::core::vector2df;
using irr::core::vector3df;

namespace {

const std::string Media = std::string(SATLINK_BUILD_DIR) + "/media/";
const irr::f32 Feet = 3;
const irr::f32 Eye = 80;

class ChaseOnLevelTest : public MonsterWorld {
protected:
    void SetUp() override
    {
        MonsterWorld::SetUp();
        if (!loadGeneratedLevel())
            GTEST_SKIP() << "level not generated";
        addDoors();
    }
    void TearDown() override
    {
        monster.reset();
        if (walls)
            walls->drop();
        for (auto& door : doors)
            door.second->drop();
        MonsterWorld::TearDown();
    }

    // The doors and panels of the scenery list, which the mission opens state by state.
    void addDoors()
    {
        for (const scenerylist::Entry& e : scenerylist::read(Media + "lista.txt")) {
            if (e.shape() != "box" || e.collisionRange() <= 0)
                continue;
            irr::scene::IMesh* box = GSmgr->getGeometryCreator()->createCubeMesh(e.boxSize());
            irr::scene::IMeshSceneNode* door = GSmgr->addMeshSceneNode(box, nullptr, -1, e.position());
            box->drop();
            door->updateAbsolutePosition();
            doors.push_back({e.name(), GSmgr->createTriangleSelector(door->getMesh(), door)});
        }
    }

    // The level's walls and every door not named in `open`.
    void shut(const std::vector<std::string>& open)
    {
        if (walls)
            walls->drop();
        walls = GSmgr->createMetaTriangleSelector();
        walls->addTriangleSelector(level.getSelector());
        for (auto& door : doors)
            if (std::find(open.begin(), open.end(), door.first) == open.end())
                walls->addTriangleSelector(door.second);
    }

    // Runs the monster and the scene for `seconds` at `fps`; false as soon as a step crosses a wall or a
    // closed door.
    bool chase(int fps, float seconds)
    {
        const irr::u32 step = 1000 / fps;
        for (irr::u32 t = 0; t < seconds * 1000; t += step) {
            const vector3df before = monster->getPosition();
            timer.set(timer.getTime() + step);
            try {
                monster->exec();
            } catch (const std::runtime_error&) {
                ADD_FAILURE() << "no route";
            }
            GSmgr->getRootSceneNode()->OnAnimate(timer.getTime());
            if (!lineOfSight(before, monster->getPosition(), walls))
                return false;
        }
        return true;
    }

    template <class Kind = Ninja>
    void place(const vector3df& spawn, const vector3df& target)
    {
        monster = std::make_unique<Kind>(new Brain1());
        monster->setName("Monster0");
        monster->getNode()->setPosition(spawn);
        playerAt(target + vector3df(0, Eye - Feet, 0));
        player->setLife(10000);
    }

    std::vector<std::pair<std::string, irr::scene::ITriangleSelector*>> doors;
    irr::scene::IMetaTriangleSelector* walls = nullptr;
    std::unique_ptr<NPC> monster;
};

// Where the monster's model looks, level: its +Z turned by the body's rotation.
vector3df facing(NPC& body)
{
    vector3df ahead(0, 0, 1);
    body.getNode()->getAbsoluteTransformation().rotateVect(ahead);
    ahead.Y = 0;
    return ahead.normalize();
}

// Each spawn point, with the player waiting in the next area within the ninja's sight, and the doors
// open by the time a ninja stands there: the lab's from the start, the courtyard's from its opening, the
// rooms' off the courtyard from theirs.
const std::vector<std::string> Courtyard = {"PortaCentroD", "ParedeA", "ParedeF"};
const std::vector<std::string> RoomG = {"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaG"};
const std::vector<std::string> RoomE = {"PortaCentroD", "ParedeA", "ParedeF", "PortaSalaG", "PortaSalaE"};
const struct {
    vector3df spawn, player;
    std::vector<std::string> open;
} Chases[] = {
    {{-300, Feet, 300}, {-100, Feet, -280}, {}},     {{-115, Feet, 500}, {-100, Feet, -280}, {}},
    {{500, Feet, 300}, {400, Feet, -300}, Courtyard}, {{711, Feet, -245}, {600, Feet, 150}, RoomG},
    {{900, Feet, -400}, {600, Feet, 150}, RoomG},     {{800, Feet, 800}, {600, Feet, 150}, RoomE},
};

TEST_F(ChaseOnLevelTest, FromEverySpawnPointTheNinjaReachesThePlayerAroundTheWallsAndStrikes)
{
    EXPECT_EQ(doors.size(), 6u);
    for (const auto& c : Chases) {
        const std::string trip = std::to_string(c.spawn.X) + "," + std::to_string(c.spawn.Z);
        shut(c.open);
        const std::vector<vector2df> route = calcRoute(c.spawn, c.player, GGraph, level.getSelector());
        for (std::size_t i = 1; i < route.size(); ++i)
            EXPECT_TRUE(lineOfSight({route[i - 1].X, Feet, route[i - 1].Y}, {route[i].X, Feet, route[i].Y}, walls))
                << trip << ": route segment " << i;
        place(c.spawn, c.player);
        ASSERT_TRUE(chase(30, 90)) << trip << ": walked through a wall near " << monster->getPosition().X << ","
                                   << monster->getPosition().Z;
        EXPECT_LT(monster->getPosition().getDistanceFrom(c.player), 110) << trip;
        EXPECT_LT(player->getLife(), 10000) << trip << ": never struck";
    }
}

TEST_F(ChaseOnLevelTest, PlayerLosesLifeAtTheSamePaceAtThirtyAndThreeHundredFrames)
{
    shut({});
    float lost[2];
    const int rates[2] = {30, 300};
    for (int i = 0; i < 2; ++i) {
        place({-300, Feet, 300}, {-115, Feet, 500});
        ASSERT_TRUE(chase(rates[i], 40));
        const float before = player->getLife();
        ASSERT_TRUE(chase(rates[i], 20));
        lost[i] = before - player->getLife();
        monster.reset();
    }
    EXPECT_GT(lost[0], 0);
    EXPECT_NEAR(lost[0], lost[1], 0.15f * lost[0]) << "30 fps: " << lost[0] << ", 300 fps: " << lost[1];
}

// The spider from its spawn point in the east hall to the player in the lobby: every stretch it walks it
// walks head first, and once there it turns to him and its strikes take his life down.
TEST_F(ChaseOnLevelTest, SpiderWalksHeadFirstUpToThePlayerAndItsStrikesLand)
{
    shut(Courtyard);
    const vector3df target(400, Feet, -300);
    place<Spider>({500, Feet, 300}, target);
    monster->getNode()->setRotation({0, 200, 0});
    int stretches = 0;
    for (int half = 0; half < 120 && monster->getPosition().getDistanceFrom(target) > 110; ++half) {
        const vector3df before = monster->getPosition();
        ASSERT_TRUE(chase(30, 0.5f));
        vector3df walked = monster->getPosition() - before;
        walked.Y = 0;
        if (walked.getLength() < 20)
            continue;
        ++stretches;
        EXPECT_GT(facing(*monster).dotProduct(walked.normalize()), 0.7f) << "near " << before.X << "," << before.Z;
    }
    EXPECT_GT(stretches, 5);
    ASSERT_LT(monster->getPosition().getDistanceFrom(target), 110);
    const float before = player->getLife();
    ASSERT_TRUE(chase(30, 3));
    vector3df towardsPlayer = target - monster->getPosition();
    towardsPlayer.Y = 0;
    EXPECT_GT(facing(*monster).dotProduct(towardsPlayer.normalize()), 0.95f);
    EXPECT_LE(player->getLife(), before - 5 * 8) << "three seconds of strikes, two a second";
}

}  // namespace
