// Scenery objects on the null device: the property string, the name grammar, signals and removal.
#include <functional>

#include "messaging/Blackboard.h"
#include "world/GenericObj.h"
#include "world/SceneryFixture.h"

using irr::core::stringc;
using irr::core::vector3df;

namespace {

class GenericObjTest : public SceneryFixture {
protected:
    void TearDown() override
    {
        objects.clear();
        SceneryFixture::TearDown();
    }

    GenericObj* make(const stringc& name, const stringc& parameters, vector3df pos = vector3df(0, 0, 0),
                     const stringc& pathmesh = "-")
    {
        objects.push_back(std::make_unique<GenericObj>(name, pathmesh, "-", "-", parameters, pos,
                                                       vector3df(0, 0, 0), vector3df(1, 1, 1)));
        return objects.back().get();
    }

    static irr::scene::IMeshBuffer* buffer(GenericObj* o)
    {
        return static_cast<irr::scene::IMeshSceneNode*>(o->getNode())->getMesh()->getMeshBuffer(0);
    }

    // The code of the signal of that name, taken off the board; -1 when there is none.
    static int takeSignal(const char* name)
    {
        irr::s32 code = 0;
        stringc parm;
        return GBlackboard.queryAndDelete(name, code, parm) ? code : -1;
    }

    std::vector<std::unique_ptr<GenericObj>> objects;
};

TEST_F(GenericObjTest, CollisionKeyDecidesRegistrationAndRange)
{
    const std::pair<const char*, irr::f32> cases[] = {
        {"", 0}, {"collision=0", 0}, {"collision=-5,collisionCamera", 0}, {"collisionCamera", 0},
        {"Collision=5", 0}, {"collision=12abc", 12}, {"collision= 7", 7}, {"rotate,collision=3", 3},
        {"collision=12345678901", 1234567890.0f}, {"collision=9999999999", 9999999999.0f},
    };
    for (const auto& [keys, range] : cases) {
        GenericObj* crate = make("crate*box", stringc("20,30,40,") + keys);
        EXPECT_EQ(registered(crate), range > 0) << keys;
        EXPECT_EQ(crate->getNode()->getTriangleSelector() != nullptr, range > 0) << keys;
        EXPECT_FLOAT_EQ(crate->getCollisionRange(), range > 0 ? range : 10) << keys;
        EXPECT_FALSE(crate->getCollisionCamera()) << keys;
    }
    EXPECT_TRUE(make("door*box", "1,1,1,collision=10,collisionCamera")->getCollisionCamera());
}

TEST_F(GenericObjTest, GeneratedShapesTakeTheirLeadingNumbers)
{
    GenericObj* floor = make("floor*plane", "100,100,4,4,2,2,collision=10");
    EXPECT_STREQ(floor->getNode()->getName(), "floor");
    EXPECT_EQ(buffer(floor)->getVertexCount(), 25u);
    EXPECT_EQ(buffer(floor)->getBoundingBox().getExtent(), vector3df(400, 0, 400));
    EXPECT_FLOAT_EQ(buffer(floor)->getTCoords(24).X - buffer(floor)->getTCoords(0).X, 2);
    EXPECT_FALSE(floor->getNode()->getMaterial(0).BackfaceCulling);
    EXPECT_TRUE(registered(floor));

    const struct {
        const char *name, *numbers, *base;
        vector3df size;
    } cases[] = {
        {"crate*box", "20,30,40", "crate", vector3df(20, 30, 40)},
        {"wall*box", "5", "wall", vector3df(5, 0, 0)},
        // Counts below zero or past the engine's 16-bit indices would wrap into billions of tiles.
        {"slab*plane", "10,10,-3,1e12", "slab", vector3df(0, 0, 2550)},
    };
    for (const auto& c : cases) {
        GenericObj* o = make(c.name, c.numbers);
        EXPECT_EQ(o->getName(), c.base);
        EXPECT_EQ(buffer(o)->getBoundingBox().getExtent(), c.size) << c.name;
        EXPECT_FALSE(registered(o));
    }
}

TEST_F(GenericObjTest, NoMeshEndsTheGameOnTheConsole)
{
    const std::pair<const char*, const char*> cases[] = {
        {"door*", "-"}, {"door**", "-"}, {"door*cone", "-"}, {"door*Box", "-"}, {"Porta", "/no/mesh.3DS"},
    };
    for (const auto& [name, pathmesh] : cases) {
        EXPECT_EQ(consoleOfFatalEnd([&] { make(name, "10,10,1,1,1,1", vector3df(), pathmesh); }),
                  "null mesh in GenericObj\n")
            << name;
    }
}

TEST_F(GenericObjTest, HandUseAndThePlayersTouchPostTheName)
{
    make("Antena*box", "40,40,40,collision=30", vector3df(0, 50, 0));
    make("Vidro*box", "40,40,40", vector3df(200, 50, 0));
    settle();
    EXPECT_EQ(pointedAt(vector3df(200, 50, 0)), nullptr);
    pointedAt(vector3df(0, 50, 0))->rcvMessage(8);
    EXPECT_EQ(takeSignal("Antena"), 8);

    monster(vector3df(40, 50, 0));
    updateCollision();
    EXPECT_EQ(takeSignal("Antena"), -1);
    player(vector3df(-50, 50, 0));
    updateCollision();
    updateCollision();
    EXPECT_EQ(GBlackboard.size(), 1u);
    EXPECT_EQ(takeSignal("Antena"), 9);
}

TEST_F(GenericObjTest, FindGivesTheFirstTwinAndNeverADestroyedObject)
{
    GenericObj* first = make("Porta*box", "30,200,160,collision=4,collisionCamera", vector3df(0, 100, 0));
    GenericObj* second = make("Porta*box", "30,200,160,collision=4,collisionCamera", vector3df(0, 100, 300));
    GtriangleSelectorsCamera = GSmgr->createMetaTriangleSelector();
    GtriangleSelectorsCamera->addTriangleSelector(first->getSelector());
    settle();
    EXPECT_EQ(findGenericObj("Porta"), first);
    EXPECT_EQ(findGenericObj("porta"), nullptr);

    first->destroy();
    EXPECT_EQ(findGenericObj("Porta"), second);
    EXPECT_FALSE(registered(first));
    EXPECT_EQ(GtriangleSelectorsCamera->getTriangleCount(), 0);
    EXPECT_EQ(pointedAt(vector3df(0, 100, 0)), second);
    second->destroy();
    EXPECT_EQ(findGenericObj("Porta"), nullptr);
    EXPECT_EQ(GSmgr->getSceneNodeFromName("Porta"), nullptr);
    GtriangleSelectorsCamera->drop();
}

}
