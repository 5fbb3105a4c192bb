// Scenery objects on the null device: the property string, the name grammar, signals and removal.
#include <cstdio>
#include <memory>

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
                     const stringc& pathmesh = "-", const stringc& texture = "-")
    {
        objects.push_back(std::make_unique<GenericObj>(name, pathmesh, texture, "-", parameters, pos,
                                                       vector3df(0, 0, 0), vector3df(1, 1, 1)));
        return objects.back().get();
    }

    static irr::scene::IMeshSceneNode* meshNode(GenericObj* o)
    {
        return static_cast<irr::scene::IMeshSceneNode*>(o->getNode());
    }

    static vector3df extent(GenericObj* o) { return meshNode(o)->getMesh()->getBoundingBox().getExtent(); }

    // Takes the signal of that name off the board: its code, or -1 when there is none.
    static int takeSignal(const char* name)
    {
        irr::s32 code = 0;
        stringc parm = "unset";
        if (!GBlackboard.queryAndDelete(name, code, parm))
            return -1;
        EXPECT_EQ(parm, "");
        return code;
    }

    std::vector<std::unique_ptr<GenericObj>> objects;
};

TEST_F(GenericObjTest, CollisionKeyDecidesRegistrationAndRange)
{
    struct Case {
        const char* keys;
        irr::f32 range;  // 0: not registered
        bool blocksPlayer;
    };
    const Case cases[] = {
        {"", 0, false},
        {"collision=0", 0, false},
        {"collision=-5,collisionCamera", 0, false},
        {"collisionCamera", 0, false},
        {"Collision=5", 0, false},
        {"collision=12abc", 12, false},
        {"collision= 7", 7, false},
        {"rotate,collision=3", 3, false},
        {"collision=10,collisionCamera", 10, true},
        {"collision=12345678901", 1234567890.0f, false},
        {"collision=9999999999", 9999999999.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        GenericObj* crate = make("crate*box", stringc("20,30,40,") + c.keys);
        EXPECT_EQ(registered(crate), c.range > 0);
        EXPECT_EQ(crate->getNode()->getTriangleSelector() != nullptr, c.range > 0);
        if (c.range > 0) {
            EXPECT_FLOAT_EQ(crate->getCollisionRange(), c.range);
            EXPECT_EQ(crate->getCollisionCamera(), c.blocksPlayer);
        }
    }
}

TEST_F(GenericObjTest, FloorPlaneIsTiledTexturedTwiceAndSeenFromBothSides)
{
    GenericObj* floor = make("floor*plane", "100,100,4,4,2,2,collision=10");
    EXPECT_EQ(floor->getName(), "floor");
    EXPECT_STREQ(floor->getNode()->getName(), "floor");
    const vector3df size = extent(floor);
    EXPECT_FLOAT_EQ(size.X, 400);
    EXPECT_FLOAT_EQ(size.Z, 400);
    irr::scene::IMeshBuffer* buffer = meshNode(floor)->getMesh()->getMeshBuffer(0);
    EXPECT_EQ(buffer->getVertexCount(), 25u);
    irr::f32 lowU = 1e9f, highU = -1e9f;
    for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i) {
        lowU = std::min(lowU, buffer->getTCoords(i).X);
        highU = std::max(highU, buffer->getTCoords(i).X);
    }
    EXPECT_FLOAT_EQ(highU - lowU, 2);
    EXPECT_FALSE(floor->getNode()->getMaterial(0).BackfaceCulling);
    EXPECT_TRUE(floor->getNode()->getMaterial(0).Lighting);
    EXPECT_TRUE(registered(floor));
    EXPECT_FLOAT_EQ(floor->getCollisionRange(), 10);
}

TEST_F(GenericObjTest, CrateBoxIsSizedByItsNumbersAndNotCollidable)
{
    GenericObj* crate = make("crate*box", "20,30,40");
    EXPECT_EQ(crate->getName(), "crate");
    EXPECT_EQ(extent(crate), vector3df(20, 30, 40));
    EXPECT_TRUE(crate->getNode()->getMaterial(0).BackfaceCulling);
    EXPECT_TRUE(Gcolisao.empty());
}

TEST_F(GenericObjTest, MissingOrWildNumbersNeverFail)
{
    struct Case {
        const char* name;
        const char* parameters;
        irr::u32 vertices;
        vector3df size;
    };
    const Case cases[] = {
        {"wall*box", "5", 0, vector3df(5, 0, 0)},
        {"wall*box", "collision=4", 0, vector3df(0, 0, 0)},
        {"slab*plane", "", 1, vector3df(0, 0, 0)},
        // A negative or absurd tile count must not wrap into billions of tiles.
        {"slab*plane", "10,10,-3,1e12", 256, vector3df(0, 0, 2550)},
        {"slab*plane", "10,10,nan,2", 3, vector3df(0, 0, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.parameters);
        GenericObj* o = make(c.name, c.parameters);
        if (c.vertices) {
            EXPECT_EQ(meshNode(o)->getMesh()->getMeshBuffer(0)->getVertexCount(), c.vertices);
        }
        EXPECT_FLOAT_EQ(extent(o).X, c.size.X);
        EXPECT_FLOAT_EQ(extent(o).Z, c.size.Z);
    }
}

TEST_F(GenericObjTest, MeshLoadedFromTheMediaWithItsTexture)
{
    GenericObj* terminal = make("Computador", "collision=30", vector3df(-100, 0, 200),
                                Gexepath + "\\media\\computador.3DS", "\\media\\oksign.png");
    EXPECT_EQ(terminal->getName(), "Computador");
    EXPECT_GT(meshNode(terminal)->getMesh()->getMeshBufferCount(), 0u);
    EXPECT_EQ(terminal->getPosition(), vector3df(-100, 0, 200));
    EXPECT_NE(terminal->getNode()->getMaterial(0).getTexture(0), nullptr);
    EXPECT_EQ(log(), "GenericObj::new Computador , -100.000000 , 200.000000\n"
                     "Collidable::turnOnCollision\n} //Collidable::turnOnCollision\n");
}

TEST_F(GenericObjTest, NoMeshEndsTheGameOnTheConsole)
{
    struct Case {
        const char* name;
        const char* pathmesh;
    };
    const Case cases[] = {
        {"door*", "-"},
        {"door**", "-"},
        {"door*cone", "-"},
        {"door*Box", "-"},
        {"*plane", "-"},
        {"Porta", "/no/such/mesh.3DS"},
    };
    const std::string console = makeTempDir() + "/console.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(
            {
                std::freopen("/dev/null", "r", stdin);
                std::freopen(console.c_str(), "w", stdout);
                make(c.name, "10,10,1,1,1,1", vector3df(0, 0, 0), c.pathmesh);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(readFile(console), "null mesh in GenericObj\n");
    }
}

TEST_F(GenericObjTest, UseSignalsCodeEightAndNothingElseSignals)
{
    GenericObj* terminal = make("Computador*box", "10,10,10,collision=20");
    for (int m : {0, 2, 9, 54321})
        terminal->rcvMessage(m);
    EXPECT_EQ(GBlackboard.size(), 0u);
    terminal->rcvMessage(8);
    terminal->rcvMessage(8);
    EXPECT_EQ(GBlackboard.size(), 1u);
    irr::s32 code = 0;
    stringc parm;
    EXPECT_EQ(GBlackboard.query("Computador", code, parm), terminal);
    EXPECT_EQ(code, 8);
}

TEST_F(GenericObjTest, TheHandsRayMeetsOnlyRegisteredScenery)
{
    make("Antena*box", "40,40,40,collision=30", vector3df(0, 50, 0));
    make("Vidro*box", "40,40,40", vector3df(0, 50, -100));
    settle();
    vector3df hit;
    irr::core::triangle3df triangle;
    const irr::core::line3df reach(vector3df(0, 50, -300), vector3df(0, 50, 300));
    Collidable* pointed = getFirstCollision(reach, &hit, &triangle);
    ASSERT_NE(pointed, nullptr);
    pointed->rcvMessage(8);
    EXPECT_EQ(takeSignal("Antena"), 8);
    EXPECT_EQ(takeSignal("Vidro"), -1);
}

TEST_F(GenericObjTest, OnlyThePlayersTouchSignalsCodeNine)
{
    GenericObj* terminal = make("Computador*box", "10,10,10,collision=20", vector3df(0, 0, 0));
    monster(vector3df(30, 0, 0));
    updateCollision();
    EXPECT_EQ(takeSignal("Computador"), -1);

    player(vector3df(-40, 0, 0));
    updateCollision();
    updateCollision();
    EXPECT_EQ(GBlackboard.size(), 1u);
    EXPECT_EQ(takeSignal("Computador"), 9);
    EXPECT_TRUE(registered(terminal));
}

TEST_F(GenericObjTest, DestroyedObjectIsGoneFromEveryRegistryAndTheScene)
{
    GenericObj* door = make("PortaSalaB*box", "30,200,160,collision=4,collisionCamera", vector3df(0, 100, 0));
    GenericObj* wall = make("ParedeA*box", "30,200,160,collision=4,collisionCamera", vector3df(0, 100, 300));
    GtriangleSelectorsCamera = GSmgr->createMetaTriangleSelector();
    GtriangleSelectorsCamera->addTriangleSelector(door->getSelector());
    GtriangleSelectorsCamera->addTriangleSelector(wall->getSelector());
    settle();
    const irr::core::line3df ray(vector3df(0, 100, -500), vector3df(0, 100, 1000));
    vector3df hit;
    irr::core::triangle3df triangle;
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), door);

    door->destroy();
    EXPECT_EQ(findGenericObj("PortaSalaB"), nullptr);
    EXPECT_FALSE(registered(door));
    EXPECT_EQ(GtriangleSelectorsCamera->getTriangleCount(), wall->getSelector()->getTriangleCount());
    EXPECT_EQ(GSmgr->getSceneNodeFromName("PortaSalaB"), nullptr);
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), wall);
    GtriangleSelectorsCamera->drop();
}

TEST_F(GenericObjTest, FindGivesTheFirstOfTwinsThenTheOtherOnceTheFirstIsDestroyed)
{
    GenericObj* first = make("Porta*box", "1,1,1");
    GenericObj* second = make("Porta*box", "1,1,1");
    EXPECT_EQ(findGenericObj("Porta"), first);
    EXPECT_EQ(findGenericObj("porta"), nullptr);
    EXPECT_EQ(findGenericObj("Porta*box"), nullptr);
    first->destroy();
    EXPECT_EQ(findGenericObj("Porta"), second);
    second->destroy();
    EXPECT_EQ(findGenericObj("Porta"), nullptr);
    EXPECT_TRUE(GgenericObj.empty());
}

}
