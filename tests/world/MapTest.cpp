// Loading the level: the node as the rest of the game expects it, its indifference, and missing files.
#include <filesystem>
#include <fstream>

#include "platform/LogFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "support/Tiny3DS.h"
#include "support/WpnBytes.h"
#include "world/Graph.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

class MapTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        folder = makeTempDir() + "/";
        GLog.setpath((folder + "log.txt").c_str());
    }

    std::string folder;
    Map map;
};

TEST_F(MapTest, LevelNodeIsNamedWorldScaledRegisteredOnceAndIndifferent)
{
    writeTiny3DS(folder + "map.3DS");
    map.load3DSMap(folder.c_str());
    irr::scene::ISceneNode* node = map.getNode();
    ASSERT_NE(node, nullptr);
    EXPECT_STREQ(node->getName(), "world");
    EXPECT_FALSE(node->getMaterial(0).Lighting);
    ASSERT_NE(map.getSelector(), nullptr);
    EXPECT_EQ(node->getTriangleSelector(), map.getSelector());
    EXPECT_EQ(map.getSelector()->getTriangleCount(), 4);
    EXPECT_EQ(map.getCollisionRange(), 10);

    map.rcvMessage(8);
    map.gotShoot(50, vector3df(1, 0, 1), vector3df(0, 1, 0));
    map.collided(&map);
    EXPECT_EQ(map.getPosition(), vector3df(0, 0, 0));
    EXPECT_EQ(node->getScale(), vector3df(17, 17, 17));
    EXPECT_TRUE(node->isVisible());
    EXPECT_EQ(Gcolisao, std::vector<Collidable*>{&map});
}

TEST_F(MapTest, LevelFolderMayBeWrittenWithBackslashesInAnyCase)
{
    std::filesystem::create_directories(folder + "media/OrvendMap");
    writeTiny3DS(folder + "media/OrvendMap/map.3ds");
    map.load3DSMap((folder + "Media\\orvendMap\\").c_str());
    EXPECT_EQ(map.getSelector()->getTriangleCount(), 4);
}

TEST_F(MapTest, GeneratedLevelIsTexturedAndHoldsThePlayerStartBetweenFloorAndWalls)
{
    const std::string generated = std::string(SATLINK_BUILD_DIR) + "/media/OrvendMap/";
    if (!std::ifstream(generated + "map.3DS"))
        GTEST_SKIP() << "level not generated";
    map.load3DSMap(generated.c_str());
    for (irr::u32 i = 0; i < map.getNode()->getMaterialCount(); ++i)
        EXPECT_NE(map.getNode()->getMaterial(i).getTexture(0), nullptr) << "material " << i;
    GcurrentMap = &map;
    GSmgr->getRootSceneNode()->OnAnimate(0);
    const vector3df start(200, 100, -650);
    vector3df hit;
    irr::core::triangle3df triangle;
    const irr::core::line3df down(start, start - vector3df(0, 1000, 0));
    EXPECT_EQ(getFirstCollision(down, &hit, &triangle), &map);
    EXPECT_NEAR(hit.Y, 0, 1);
    for (const vector3df& way : {vector3df(1, 0, 0), vector3df(-1, 0, 0), vector3df(0, 0, -1)})
        EXPECT_EQ(getFirstCollision(irr::core::line3df(start, start + way * 5000), &hit, &triangle), &map);
}

// The rooms only spare drawing: without them, or with a faulty file, the level is played drawn whole.
TEST_F(MapTest, MissingOrFaultyRoomsFileIsReportedAndTheLevelDrawnWhole)
{
    writeTiny3DS(folder + "map.3DS");
    const std::string rooms = folder + "rooms.txt";
    const struct {
        const char* text;  // null: no file
        std::string problem;
    } cases[] = {
        {nullptr, "cannot open " + rooms},
        {"room;A;-170;-170;170;170;250;roof\n", ""},
        {"room;A;0;0;10\n", rooms + " line 1: a room takes 8 fields"},
        {"# rooms\nroom;A;0;0;x;10;250;roof\n", rooms + " line 2: not a number: \"x\""},
        {"room;A;10;0;0;10;250;roof\n", rooms + " line 1: room \"A\" has no floor"},
        {"room;A;0;0;10;10;250;glass\n", rooms + " line 1: above a room is a roof or the sky, not \"glass\""},
        {"room;A;0;0;10;10;250;sky\ndoorway;D;5;10;4;8;x;A;B\n", rooms + " line 2: no room \"B\""},
        {"room;A;0;0;10;10;250;sky\ndoorway;D;5;10;4;8;y;A;A\n",
         rooms + " line 2: a doorway's wall runs along x or z, not \"y\""},
        {"wall;1\n", rooms + " line 1: neither a room nor a doorway"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(rooms);
        if (c.text)
            std::ofstream(rooms) << c.text;
        GLog.clear((folder + "log.txt").c_str());
        Map level;
        level.load3DSMap(folder.c_str());
        EXPECT_EQ(readFile(folder + "log.txt"),
                  c.problem.empty() ? "" : "rooms file: " + c.problem + ": the whole level is drawn\n");
        EXPECT_GT(level.getNode()->getMaterialCount(), 0u);
        EXPECT_EQ(level.getSelector()->getTriangleCount(), 4);
    }
}

TEST_F(MapTest, MissingOrBrokenLevelFileEndsTheGameNamingIt)
{
    EXPECT_EXIT(map.load3DSMap(folder.c_str()), ::testing::ExitedWithCode(1), "");
    std::ofstream(folder + "map.3DS") << "MM not a level";
    EXPECT_EXIT(map.load3DSMap(folder.c_str()), ::testing::ExitedWithCode(1), "");
    const std::string line = "cannot load the level: " + folder + "map.3DS\n";
    EXPECT_EQ(readFile(folder + "log.txt"), line + line);
}

TEST_F(MapTest, DamagedLevelEndsTheGameAsAMissingOneDoes)
{
    writeTiny3DS(folder + "whole.3DS");
    const std::string whole = readFile(folder + "whole.3DS");
    std::string zeroLengthChunk = whole;
    zeroLengthChunk.replace(8, 4, std::string(4, '\0'));
    for (const std::string& damaged : {whole.substr(0, whole.size() / 2), whole.substr(0, whole.size() - 1),
                                       zeroLengthChunk}) {
        std::ofstream(folder + "map.3DS", std::ios::binary) << damaged;
        GLog.clear((folder + "log.txt").c_str());
        EXPECT_EXIT(map.load3DSMap(folder.c_str()), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(readFile(folder + "log.txt"), "cannot load the level: " + folder + "map.3DS\n");
    }
}

TEST_F(MapTest, MissingQuake3ArchiveEndsTheGameNamingIt)
{
    EXPECT_EXIT(map.loadQ3Map(folder.c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(readFile(folder + "log.txt"), "cannot load the level: " + folder + "map.pk3\n");
}

TEST_F(MapTest, Quake3ArchiveWithoutTheLevelEndsTheGame)
{
    // A ZIP archive holding one empty stored file, "readme.txt", and not the level.
    char header[30] = {'P', 'K', 3, 4, 10};
    header[26] = 10;  // length of the file name
    const char end[22] = {'P', 'K', 5, 6};
    std::ofstream zip(folder + "map.pk3", std::ios::binary);
    zip.write(header, sizeof(header));
    zip << "readme.txt";
    zip.write(end, sizeof(end));
    zip.close();
    EXPECT_EXIT(map.loadQ3Map(folder.c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(readFile(folder + "log.txt"), "cannot load the level: 20kdm2.bsp in " + folder + "map.pk3\n");
}

// A corrupt waypoint file must not end the game: it is reported and the monsters walk straight routes.
TEST_F(MapTest, WaypointFileFillsTheGraphAndACorruptOneLeavesItEmptyWithANotice)
{
    Graph graph;
    GGraph = &graph;
    WpnBytes two;
    two.u32(2).node(1, 1, {0, 3, 0}).edge(2, 10).node(1, 2, {10, 3, 0}).edge(1, 10);
    two.writeTo(folder + "wayPoint.wpn");
    EXPECT_TRUE(map.loadGraph(folder.c_str()));
    EXPECT_EQ(graph.getNodes().size(), 2u);

    two.u32(0).writeTo(folder + "wayPoint.wpn");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(map.loadGraph(folder.c_str()));
    const std::string notice =
        "Arquivo de WayPoints corrompido!!! " + folder + "wayPoint.wpn: the monsters walk straight routes\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), notice);
    EXPECT_EQ(readFile(folder + "log.txt"), notice);
    EXPECT_TRUE(graph.getNodes().empty());

    std::filesystem::remove(folder + "wayPoint.wpn");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(map.loadGraph(folder.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}
