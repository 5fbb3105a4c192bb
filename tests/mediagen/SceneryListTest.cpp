// The generated scenery list, read line by line with the list format's rules.
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "mediagen/LevelFiles.h"
#include "support/EngineTest.h"

namespace {

class SceneryListTest : public EngineTest {
protected:
    std::vector<ListEntry> entries = scenerylist::read(LevelMedia + "lista.txt", &problem);
    std::string problem;

    const ListEntry& entry(const std::string& name)
    {
        for (const ListEntry& e : entries)
            if (e.name() == name)
                return e;
        throw std::out_of_range(name);
    }
};

const std::set<std::string> Blockers = {"PortaSalaE", "PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB", "PortaSalaG"};

}  // namespace

TEST_F(SceneryListTest, ParsesIntoExactlyTheMissionsObjects)
{
    EXPECT_EQ(problem, "");
    std::multiset<std::string> scenery, collectables;
    for (const ListEntry& e : entries) {
        (e.scenery() ? scenery : collectables).insert(e.name());
        EXPECT_EQ(e.numbers.size(), 9u) << e.name();
    }
    EXPECT_EQ(scenery, std::multiset<std::string>({"PortaSalaE", "PortaCentroD", "ParedeA", "ParedeF", "PortaSalaB",
                                                  "PortaSalaG", "Computador", "Antena", "InterruptorSala"}));
    EXPECT_EQ(collectables, std::multiset<std::string>({"Arma", "Pendrive", "Certificado"}));
}

TEST_F(SceneryListTest, NoLineIsLongerThanTheReaderTakes)
{
    std::ifstream in(LevelMedia + "lista.txt");
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_LE(line.size(), 254u) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos);
    }
}

TEST_F(SceneryListTest, DoorsAndWallPanelsAreBoxesStandingOnTheFloorThatBlockThePlayer)
{
    for (const std::string& name : Blockers) {
        const ListEntry& e = entry(name);
        EXPECT_EQ(e.shape(), "box") << name;
        EXPECT_GT(e.collisionRange(), 0) << name;
        EXPECT_TRUE(e.collisionCamera()) << name;
        const irr::core::vector3df size = e.boxSize();
        EXPECT_GT(size.X, 0) << name;
        EXPECT_GE(size.Y, 200) << name;
        EXPECT_GT(size.Z, 0) << name;
        EXPECT_NEAR(e.position().Y - size.Y / 2, 0.0f, 0.01f) << name;
    }
}

TEST_F(SceneryListTest, TouchablesAndCollectablesTakePartInCollision)
{
    for (const char* name : {"Computador", "Antena", "InterruptorSala", "Arma", "Pendrive", "Certificado"})
        EXPECT_GT(entry(name).collisionRange(), 0) << name;
    EXPECT_TRUE(entry("Computador").collisionCamera());
    EXPECT_TRUE(entry("Antena").collisionCamera());
    for (const char* name : {"Arma", "Pendrive", "Certificado"})
        EXPECT_NE(entry(name).properties.find("rotate"), std::string::npos) << name;
}

TEST_F(SceneryListTest, EveryMeshTextureAndSoundItNamesLoads)
{
    for (const ListEntry& e : entries) {
        if (e.shape().empty()) {
            irr::scene::IAnimatedMesh* mesh = GSmgr->getMesh(scenerylist::mediaFile(LevelMedia, e.mesh).c_str());
            ASSERT_NE(mesh, nullptr) << e.mesh;
            for (irr::u32 i = 0; i < mesh->getMesh(0)->getMeshBufferCount(); ++i)
                EXPECT_NE(mesh->getMesh(0)->getMeshBuffer(i)->getMaterial().getTexture(0), nullptr) << e.mesh;
        }
        if (e.texture != "-") {
            EXPECT_NE(GDriver->getTexture(scenerylist::mediaFile(LevelMedia, e.texture).c_str()), nullptr) << e.texture;
        }
        EXPECT_TRUE(std::filesystem::exists(scenerylist::mediaFile(LevelMedia, e.sound))) << e.sound;
    }
}

TEST_F(SceneryListTest, CommentsBetweenTheLinesOfAnEntryAreSkipped)
{
    const std::string path = makeTempDir() + "/lista.txt";
    std::ofstream(path) << "# head\n*Porta*box\n# inside\n-\n-\n\\media\\Sound\\a.wav\n# again\n"
                           "1,2,3,0,90,0,1,1,1\r\n10,20,30,collision=0012abc,collisionCamera\nArma\n-\n";
    std::string cut;
    const std::vector<ListEntry> read = scenerylist::read(path, &cut);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name(), "Porta");
    EXPECT_EQ(read[0].collisionRange(), 12);
    EXPECT_EQ(read[0].numbers.size(), 9u);
    EXPECT_EQ(cut, path + ":11: entry cut short after 2 lines");
}

// A faulty entry is named with its file and line; the complete entries before it load, nothing after it.
TEST_F(SceneryListTest, AFaultyNumberLineEndsTheReadingAfterTheCompleteEntries)
{
    const std::string dir = makeTempDir();
    const std::string good = "Pendrive\n-\n-\n-\n1,2,3,0,0,0,1,1,1\ncollision=10\n";
    const struct {
        std::string numbers, problem;
    } cases[] = {
        {"1,2,3", "Arma: 3 numbers instead of nine"},
        {"1,2,3,4,5,6,7,8,9,10", "Arma: 10 numbers instead of nine"},
        {"", "Arma: 0 numbers instead of nine"},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/lista.txt";
        std::ofstream(path) << good << "# a comment\nArma\n-\n-\n-\n" << c.numbers << "\ncollision=10\n" << good;
        std::string problem;
        const std::vector<ListEntry> read = scenerylist::read(path, &problem);
        ASSERT_EQ(read.size(), 1u) << c.numbers;
        EXPECT_EQ(read[0].name(), "Pendrive");
        EXPECT_EQ(problem, path + ":12: " + c.problem);
    }
    std::string problem;
    EXPECT_TRUE(scenerylist::read(dir + "/absent.txt", &problem).empty());
    EXPECT_EQ(problem, "cannot open " + dir + "/absent.txt");
}
