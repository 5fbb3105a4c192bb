// Collectables on the null device: pick-up by touch and by message 8, the sound, and finding them.
#include <cstdio>
#include <memory>

#include "platform/SoundEngine.h"
#include "world/Collectable.h"
#include "world/Inventory.h"
#include "world/SceneryFixture.h"

using irr::core::stringc;
using irr::core::vector3df;

namespace {

class CollectableTest : public SceneryFixture {
protected:
    void TearDown() override
    {
        items.clear();
        if (GSound)
            GSound->drop();
        SceneryFixture::TearDown();
    }

    Collectable* make(const stringc& name, const stringc& parameters, vector3df pos = vector3df(0, 0, 0),
                      const stringc& pathsound = "")
    {
        items.push_back(std::make_unique<Collectable>(name, Gexepath + "\\media\\pendrive.3DS", "-", pathsound,
                                                      parameters, pos, vector3df(0, 0, 0), vector3df(1, 1, 1)));
        return items.back().get();
    }

    bool pickedUp(Collectable* item) const
    {
        return !item->getNode()->isVisible() && !registered(item) && GInventory.size() > 0;
    }

    std::vector<std::unique_ptr<Collectable>> items;
};

TEST_F(CollectableTest, ThePlayerWalkingIntoAnItemPicksItUp)
{
    Collectable* pen = make("Pendrive", "collision=10", vector3df(0, 0, 0));
    player(vector3df(42, 0, 0));
    updateCollision();
    EXPECT_TRUE(pickedUp(pen));
    EXPECT_TRUE(GInventory.contains("Pendrive"));
    EXPECT_NE(log().find("Collectable::collided Pendrive\nCollectable::rcvMsg Pendrive,8\n"), std::string::npos);
}

TEST_F(CollectableTest, OnlyThePlayerPicksUp)
{
    Collectable* pen = make("Pendrive", "collision=10", vector3df(0, 0, 0));
    monster(vector3df(30, 0, 0));
    updateCollision();
    EXPECT_TRUE(pen->getNode()->isVisible());
    EXPECT_TRUE(registered(pen));
    EXPECT_FALSE(GInventory.contains("Pendrive"));
}

TEST_F(CollectableTest, WithoutCollisionOnlyTheMessagePicksUp)
{
    Collectable* pen = make("Pendrive", "rotate", vector3df(0, 0, 0));
    player(vector3df(1, 0, 0));
    updateCollision();
    EXPECT_FALSE(GInventory.contains("Pendrive"));
    EXPECT_EQ(pen->getNode()->getTriangleSelector(), nullptr);
    pen->rcvMessage(8);
    EXPECT_TRUE(pickedUp(pen));
}

TEST_F(CollectableTest, ContainsIsExactAndHoldsAnItemPickedTwice)
{
    Collectable* pen = make("Pendrive", "collision=10");
    make("Arma", "collision=10", vector3df(500, 0, 0));
    pen->rcvMessage(8);
    pen->rcvMessage(8);
    EXPECT_EQ(GInventory.size(), 2u);
    const std::pair<const char*, bool> cases[] = {
        {"Pendrive", true}, {"pendrive", false}, {"Pen", false},
        {"Pendrive ", false}, {"", false}, {"Arma", false},
    };
    for (const auto& [name, held] : cases)
        EXPECT_EQ(GInventory.contains(name), held) << name;
}

TEST_F(CollectableTest, OtherMessagesOnlySaySoOnTheConsole)
{
    Collectable* pen = make("Pendrive", "collision=10");
    for (int m : {0, 9, -8}) {
        ::testing::internal::CaptureStdout();
        pen->rcvMessage(m);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "algo aconteceu com Collectable\n");
    }
    EXPECT_TRUE(registered(pen));
    EXPECT_TRUE(pen->getNode()->isVisible());
    EXPECT_EQ(GInventory.size(), 0u);
}

TEST_F(CollectableTest, AHandsRayPassesWhereAnItemWasPickedUp)
{
    Collectable* pen = make("Pendrive", "collision=10", vector3df(0, 50, 0));
    settle();
    const vector3df middle = pen->getNode()->getTransformedBoundingBox().getCenter();
    Body* behind = monster(middle + vector3df(0, 0, 300));
    settle();
    const irr::core::line3df ray(middle - vector3df(0, 0, 200), middle + vector3df(0, 0, 1000));
    vector3df hit;
    irr::core::triangle3df triangle;
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), pen);
    pen->rcvMessage(8);
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), behind);
}

TEST_F(CollectableTest, RotateKeySpinsTheItem)
{
    Collectable* still = make("Arma", "collision=10");
    Collectable* spinning = make("tool4Antenna", "collision=10,rotate");
    EXPECT_TRUE(still->getNode()->getAnimators().empty());
    ASSERT_EQ(spinning->getNode()->getAnimators().size(), 1u);
    // About 20 degrees a second around Y and 30 around Z.
    const irr::u32 start = GTimer->getTime();
    spinning->getNode()->OnAnimate(start + 1000);
    const vector3df turned = spinning->getNode()->getRotation();
    EXPECT_FLOAT_EQ(turned.X, 0);
    EXPECT_NEAR(turned.Y, 20, 1);
    EXPECT_NEAR(turned.Z, 30, 1.5);
}

TEST_F(CollectableTest, PickUpSoundPlaysWhenItCanAndIsSkippedOtherwise)
{
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr) << "ALSOFT_DRIVERS=null gives a silent device";
    const stringc magic = Gexepath + "\\media\\Sound\\magic.wav";
    struct Case {
        stringc sound;
        size_t voices;
    };
    const Case cases[] = {{magic, 1}, {"", 0}, {Gexepath + "\\media\\Sound\\none.wav", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sound.c_str());
        GSound->update();
        const size_t before = GSound->voiceCount();
        Collectable* item = make("Arma", "", vector3df(0, 0, 0), c.sound);
        item->rcvMessage(8);
        EXPECT_EQ(GSound->voiceCount() - before, c.voices);
        EXPECT_TRUE(pickedUp(item));
    }
}

TEST_F(CollectableTest, FindSeesPickedUpItemsAndTheFirstOfTwins)
{
    Collectable* first = make("Arma", "");
    make("Arma", "");
    first->rcvMessage(8);
    EXPECT_EQ(findCollectable("Arma"), first);
    EXPECT_EQ(findCollectable("arma"), nullptr);
    EXPECT_EQ(findCollectable("Pendrive"), nullptr);
}

TEST_F(CollectableTest, DeletedItemLeavesRegistryAndInventory)
{
    Collectable* pen = make("Pendrive", "collision=10");
    pen->rcvMessage(8);
    pen->rcvMessage(8);
    items.clear();
    EXPECT_TRUE(Gcollectable.empty());
    EXPECT_EQ(GInventory.size(), 0u);
    EXPECT_FALSE(GInventory.contains("Pendrive"));
}

TEST_F(CollectableTest, MissingMeshEndsTheGameOnTheConsole)
{
    const std::string console = makeTempDir() + "/console.txt";
    EXPECT_EXIT(
        {
            std::freopen("/dev/null", "r", stdin);
            std::freopen(console.c_str(), "w", stdout);
            Collectable lost("Arma", "/no/such/arma.3DS", "-", "", "", vector3df(), vector3df(), vector3df());
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readFile(console), "null _node in collectable\n");
}

}
