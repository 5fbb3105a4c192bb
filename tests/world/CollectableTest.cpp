// Collectables on the null device: pick-up by touch and by message 8, and asking for them by name.
#include <functional>

#include "platform/SoundEngine.h"
#include "shell/mediaFile.h"
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
                      const stringc& sound = "")
    {
        items.push_back(std::make_unique<Collectable>(name, Gexepath + "\\media\\pendrive.3DS", "-", sound,
                                                      parameters, pos, vector3df(0, 0, 0), vector3df(1, 1, 1)));
        return items.back().get();
    }

    std::vector<std::unique_ptr<Collectable>> items;
};

TEST_F(CollectableTest, OnlyThePlayerPicksUpByWalkingIntoIt)
{
    const struct {
        bool byPlayer;
        const char* keys;
        bool picked;
    } cases[] = {{true, "collision=10", true}, {false, "collision=10", false}, {true, "rotate", false}};
    for (const auto& c : cases) {
        Collectable* pen = make("Pendrive", c.keys);
        c.byPlayer ? player(vector3df(42, 0, 0)) : monster(vector3df(30, 0, 0));
        updateCollision();
        EXPECT_EQ(GInventory.contains("Pendrive"), c.picked) << c.byPlayer << c.keys;
        EXPECT_EQ(pen->getNode()->isVisible(), !c.picked);
        EXPECT_EQ(registered(pen), !c.picked && c.keys[0] == 'c');
        items.clear();
        bodies.clear();
    }
}

TEST_F(CollectableTest, ContainsIsExactAndHoldsAnItemPickedTwice)
{
    Collectable* pen = make("Pendrive", "");
    make("Arma", "");
    pen->rcvMessage(8);
    pen->rcvMessage(8);
    EXPECT_EQ(GInventory.size(), 2u);
    const std::pair<const char*, bool> cases[] = {
        {"Pendrive", true}, {"pendrive", false}, {"Pen", false}, {"Pendrive ", false}, {"Arma", false}};
    for (const auto& [name, held] : cases)
        EXPECT_EQ(GInventory.contains(name), held) << name;
    EXPECT_EQ(findCollectable("Pendrive"), pen);
}

TEST_F(CollectableTest, PickUpSoundPlaysWhenItCanAndThePickUpHappensAnyway)
{
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr) << "ALSOFT_DRIVERS=null gives a silent device";
    const std::pair<stringc, size_t> cases[] = {
        {Gexepath + "\\media\\Sound\\magic.wav", 1}, {"", 0}, {Gexepath + "\\media\\none.wav", 0}};
    for (const auto& [sound, voices] : cases) {
        const size_t before = GSound->voiceCount();
        make("Arma", "", vector3df(), sound)->rcvMessage(8);
        EXPECT_EQ(GSound->voiceCount() - before, voices) << sound.c_str();
        EXPECT_FALSE(items.back()->getNode()->isVisible());
    }
    EXPECT_EQ(GInventory.size(), 3u);
}

TEST_F(CollectableTest, PickedUpItemNoLongerStopsTheHandsRay)
{
    Collectable* pen = make("Pendrive", "collision=10,rotate", vector3df(0, 50, 0));
    settle();
    const vector3df middle = pen->getNode()->getTransformedBoundingBox().getCenter();
    Body* behind = monster(middle + vector3df(0, 0, 100));
    settle();
    EXPECT_EQ(pointedAt(middle), pen);
    pen->rcvMessage(8);
    EXPECT_EQ(pointedAt(middle), behind);
}

TEST_F(CollectableTest, MissingMeshEndsTheGameOnTheConsole)
{
    EXPECT_EQ(consoleOfFatalEnd([] { Collectable("Arma", "/no/arma.3DS", "-", "", "", {}, {}, {}); }),
              "null _node in collectable\n");
}

}
