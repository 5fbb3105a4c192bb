// Registration, the X-neighbour proximity sweep and the first-hit ray test on the null device.
#include <functional>
#include <utility>
#include <vector>

#include "platform/LogFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "support/Tiny3DS.h"
#include "world/Collidable.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

using Touches = std::vector<std::pair<Collidable*, Collidable*>>;

// A world object that records who it touched, in one record shared by every prop of a test.
class Prop : public Collidable {
public:
    Prop(irr::scene::ISceneNode* node, Touches* touches) : _node(node), _touches(touches) {}
    void rcvMessage(int) override {}
    void gotShoot(int, vector3df, vector3df) override {}
    vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable* who) override
    {
        _touches->push_back({this, who});
        if (onCollided)
            onCollided();
    }

    void setRange(irr::f32 range) { _collisionRange = range; }

    std::function<void()> onCollided;

private:
    irr::scene::ISceneNode* _node;
    Touches* _touches;
};

class CollidableTest : public EngineTest {
protected:
    void TearDown() override
    {
        props.clear();
        delete level;
        EngineTest::TearDown();
    }

    irr::scene::IMeshSceneNode* box(vector3df at)
    {
        return GSmgr->addCubeSceneNode(10, nullptr, -1, at);
    }

    // A scenery-like prop at `at`, registered with `range`.
    Prop* prop(vector3df at, irr::f32 range)
    {
        irr::scene::IMeshSceneNode* node = box(at);
        props.push_back(std::make_unique<Prop>(node, &touches));
        props.back()->turnOnCollision(range, false, node);
        return props.back().get();
    }

    // The player: the one collidable registered through its camera, range 75 as the player sets it.
    Prop* player(vector3df at)
    {
        irr::scene::ICameraSceneNode* cam = GSmgr->addCameraSceneNode(nullptr, at);
        props.push_back(std::make_unique<Prop>(cam, &touches));
        props.back()->setRange(75);
        props.back()->setSelectorFromCamera(cam);
        return props.back().get();
    }

    void loadLevel()
    {
        const std::string folder = makeTempDir() + "/";
        writeTiny3DS(folder + "map.3DS");
        level = new Map();
        level->load3DSMap(folder.c_str());
        GcurrentMap = level;
    }

    // Makes the new positions and scales count for the ray test, as a drawn frame would.
    void settle() { GSmgr->getRootSceneNode()->OnAnimate(0); }

    Touches touches;
    std::vector<std::unique_ptr<Prop>> props;
    Map* level = nullptr;
};

TEST_F(CollidableTest, TurningOnKeepsTheSelectorOnTheNodeAndRegistersOnce)
{
    const std::string log = makeTempDir() + "/log.txt";
    GLog.setpath(log.c_str());
    Prop* door = prop(vector3df(0, 0, 0), 40);
    EXPECT_EQ(door->getCollisionRange(), 40);
    EXPECT_NE(door->getSelector(), nullptr);
    EXPECT_EQ(door->getNode()->getTriangleSelector(), door->getSelector());
    EXPECT_EQ(Gcolisao, std::vector<Collidable*>{door});
    EXPECT_EQ(readFile(log), "Collidable::turnOnCollision\n} //Collidable::turnOnCollision\n");

    door->turnOffCollision();
    door->turnOffCollision();
    EXPECT_TRUE(Gcolisao.empty());
    EXPECT_EQ(door->getNode()->getTriangleSelector(), door->getSelector());
}

TEST_F(CollidableTest, AnimatedBodiesNeverBlockThePlayer)
{
    irr::scene::SAnimatedMesh* mesh = new irr::scene::SAnimatedMesh();
    irr::scene::IMesh* cube = GSmgr->getGeometryCreator()->createCubeMesh();
    mesh->addMesh(cube);
    cube->drop();
    irr::scene::IAnimatedMeshSceneNode* node = GSmgr->addAnimatedMeshSceneNode(mesh);
    mesh->drop();
    Prop monster(node, &touches);
    monster.turnOnCollision(100, true, node);
    EXPECT_EQ(monster.getCollisionRange(), 100);
    EXPECT_FALSE(monster.getCollisionCamera());
    EXPECT_NE(monster.getSelector(), nullptr);
    EXPECT_EQ(Gcolisao.size(), 1u);
}

TEST_F(CollidableTest, LargeGeometryGetsAnOctreeNodeOfItsOwn)
{
    irr::scene::IMesh* cube = GSmgr->getGeometryCreator()->createCubeMesh();
    Prop picture(nullptr, &touches);
    picture.setRange(50);
    irr::scene::IMeshSceneNode* node = picture.createSelector(cube);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getID(), 1);
    EXPECT_EQ(node->getTriangleSelector(), picture.getSelector());
    EXPECT_EQ(picture.getSelector()->getTriangleCount(), 12);
    EXPECT_EQ(picture.getCollisionRange(), 50);
    EXPECT_EQ(Gcolisao, std::vector<Collidable*>{&picture});
    cube->drop();

    Prop empty(nullptr, &touches);
    EXPECT_EQ(empty.createSelector(nullptr), nullptr);
    EXPECT_EQ(Gcolisao.size(), 1u);
}

TEST_F(CollidableTest, MissingNodeEndsTheGame)
{
    const std::string log = makeTempDir() + "/log.txt";
    GLog.setpath(log.c_str());
    Prop nothing(nullptr, &touches);
    EXPECT_EXIT(nothing.turnOnCollision(10, true, static_cast<irr::scene::IMeshSceneNode*>(nullptr)),
                ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(readFile(log), "Collidable::turnOnCollision\nnull node in Collidable::turnOn\n");
}

TEST_F(CollidableTest, RangesMustOverlapStrictly)
{
    Prop* right = prop(vector3df(15, 0, 0), 20);
    Prop* left = prop(vector3df(0, 0, 0), 10);
    updateCollision();
    EXPECT_TRUE(touches.empty());
    EXPECT_EQ(Gcolisao, (std::vector<Collidable*>{left, right}));

    right->getNode()->setPosition(vector3df(14.99f, 0, 0));
    updateCollision();
    EXPECT_EQ(touches, (Touches{{left, right}, {right, left}}));
}

TEST_F(CollidableTest, OnlyXNeighboursArePaired)
{
    // A and C overlap, but B lies between them in X (far off in Y), so the pair A-C is never tested.
    prop(vector3df(0, 0, 0), 30);
    prop(vector3df(10, 1000, 0), 1);
    prop(vector3df(20, 0, 0), 30);
    updateCollision();
    EXPECT_TRUE(touches.empty());
}

TEST_F(CollidableTest, PlayerAndLevelAreNeverPairedButPlayerAndOthersAre)
{
    loadLevel();
    Prop* you = player(vector3df(5, 0, 0));
    updateCollision();
    EXPECT_TRUE(touches.empty());

    you->getNode()->setPosition(vector3df(-5, 0, 0));
    updateCollision();
    EXPECT_TRUE(touches.empty());

    // Only that one pair is spared: the level still meets anything else that overlaps it.
    Prop* crate = prop(vector3df(-45, 0, 0), 10);
    Prop* vase = prop(vector3df(4, 0, 0), 10);
    updateCollision();
    EXPECT_EQ(touches, (Touches{{crate, you}, {you, crate}, {vase, level}}));
}

TEST_F(CollidableTest, PickUpDuringTheSweepStaysInsideTheRegistry)
{
    Prop* item = prop(vector3df(0, 0, 0), 20);
    Prop* picker = prop(vector3df(5, 0, 0), 20);
    Prop* far = prop(vector3df(500, 0, 0), 20);
    item->onCollided = [item] { removeCollision(item); };
    updateCollision();
    EXPECT_EQ(touches, (Touches{{item, picker}, {picker, item}}));
    EXPECT_EQ(Gcolisao, (std::vector<Collidable*>{picker, far}));

    // The last entry picked up by the second notification of the last pair.
    touches.clear();
    far->getNode()->setPosition(vector3df(6, 0, 0));
    far->onCollided = [far] { removeCollision(far); };
    updateCollision();
    EXPECT_EQ(touches, (Touches{{picker, far}, {far, picker}}));
    EXPECT_EQ(Gcolisao, std::vector<Collidable*>{picker});
}

TEST_F(CollidableTest, RayFindsTheObjectItHitsFirst)
{
    // Above the level's wall (85 high after scaling), so nothing but the props stands in the ray's way.
    loadLevel();
    Prop* near = prop(vector3df(0, 100, 0), 10);
    Prop* behind = prop(vector3df(0, 100, 50), 10);
    settle();
    const irr::core::line3df ray(vector3df(0, 100, -100), vector3df(0, 100, 1000));
    vector3df hit;
    irr::core::triangle3df triangle;
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), near);
    EXPECT_NEAR(hit.Z, -5, 0.01);

    near->getNode()->setVisible(false);
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), behind);
    behind->getNode()->setVisible(false);
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), nullptr);

    // Removed but still visible, with its selector: it stops the ray and shields what stands behind.
    near->getNode()->setVisible(true);
    behind->getNode()->setVisible(true);
    near->turnOffCollision();
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), nullptr);

    const irr::core::line3df down(vector3df(100, 500, -100), vector3df(100, -500, -100));
    EXPECT_EQ(getFirstCollision(down, &hit, &triangle), level);
    EXPECT_NEAR(hit.Y, 0, 0.01);
}

TEST_F(CollidableTest, UnregisteredNodeWithASelectorIsNotAnObject)
{
    irr::scene::IMeshSceneNode* stray = box(vector3df(0, 50, 0));
    irr::scene::ITriangleSelector* selector = GSmgr->createTriangleSelectorFromBoundingBox(stray);
    stray->setTriangleSelector(selector);
    selector->drop();
    prop(vector3df(0, 50, 50), 10);
    settle();
    vector3df hit;
    irr::core::triangle3df triangle;
    const irr::core::line3df ray(vector3df(0, 50, -100), vector3df(0, 50, 100));
    EXPECT_EQ(getFirstCollision(ray, &hit, &triangle), nullptr);
}

TEST_F(CollidableTest, DeletedObjectLeavesTheRegistry)
{
    prop(vector3df(0, 0, 0), 10);
    props.clear();
    EXPECT_TRUE(Gcolisao.empty());
}

}

TEST_F(CollidableTest, RemoveCollisionTakesOutTheFirstEqualEntryOnly)
{
    Collidable* a = reinterpret_cast<Collidable*>(0x10);
    Collidable* b = reinterpret_cast<Collidable*>(0x20);
    Gcolisao = {a, b, a};
    removeCollision(a);
    EXPECT_EQ(Gcolisao, (std::vector<Collidable*>{b, a}));
    removeCollision(reinterpret_cast<Collidable*>(0x30));
    EXPECT_EQ(Gcolisao.size(), 2u);
}
