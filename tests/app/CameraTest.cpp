// The player: trigger, weapons carried and switched, push-back, hits and capture, the body that rays meet,
// and the input that drives them.
#include <AL/al.h>
#include <memory>

#include "app/teclado.h"
#include "messaging/Blackboard.h"
#include "mission/Story.h"
#include "platform/SoundEngine.h"
#include "player/Camera.h"
#include "player/LongSword.h"
#include "player/NoWeapon.h"
#include "support/PlayerWorld.h"
#include "player/Sniper.h"
#include "player/StatusBar.h"
#include "player/Varinha.h"
#include "shell/EventReceiver.h"
#include "world/Graph.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

class CameraTest : public PlayerWorld {
protected:
    void SetUp() override
    {
        PlayerWorld::SetUp();
        player = std::make_unique<Camera>();
        GmainCamera = player.get();
        // The tests turn the view themselves; the null device's pointer would turn it too.
        GSmgr->getActiveCamera()->setInputReceiverEnabled(false);
    }

    void TearDown() override
    {
        player.reset();
        PlayerWorld::TearDown();
    }

    template <typename Weapon>
    Weapon* give()
    {
        Weapon* arma = new Weapon();
        player->pegarArma(arma);
        return arma;
    }

    // The player at `at` looking along `rotation`, and the world brought up to date.
    void stand(vector3df at, vector3df rotation = vector3df(0, 0, 0))
    {
        player->getNode()->setPosition(at);
        // The camera turns its target with its rotation, from where it stands.
        player->getNode()->updateAbsolutePosition();
        player->getNode()->setRotation(rotation);
        settle();
    }

    std::unique_ptr<Camera> player;
};

void leftButton(bool down)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = down ? irr::EMIE_LMOUSE_PRESSED_DOWN : irr::EMIE_LMOUSE_LEFT_UP;
    GEventReceiver.OnEvent(event);
}

void keyA(bool down)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = irr::KEY_KEY_A;
    event.KeyInput.PressedDown = down;
    GEventReceiver.OnEvent(event);
}

}

// One press fires one shot.
TEST_F(CameraTest, LeftButtonFiresOnceWhileHeldAndAgainAfterRelease)
{
    Sniper* sniper = give<Sniper>();
    stand(vector3df(0, 0, 0));
    leftButton(true);
    for (int frame = 0; frame < 5; ++frame)
        process_input(&GEventReceiver);
    EXPECT_EQ(sniper->getMunicao(), 108);
    leftButton(false);
    process_input(&GEventReceiver);
    leftButton(true);
    process_input(&GEventReceiver);
    EXPECT_EQ(sniper->getMunicao(), 107);
}

TEST_F(CameraTest, StartUpPairLeavesTheHandInUseAndTheSniperOneSwitchAway)
{
    Sniper* sniper = give<Sniper>();
    NoWeapon* hand = give<NoWeapon>();
    EXPECT_EQ(player->getArma(), hand);
    EXPECT_TRUE(hand->getNode()->isVisible());
    EXPECT_FALSE(sniper->getNode()->isVisible());
    EXPECT_EQ(hand->getNode()->getParent(), player->getNode());
    EXPECT_EQ(Camera::ammoText(player->getArma()), "-");
    EXPECT_EQ(Camera::ammoText(nullptr), "");

    // A, held over several frames, then released: one switch.
    weaponSwitchesAsked(&GEventReceiver);
    keyA(true);
    for (int frame = 0; frame < 3; ++frame)
        process_input(&GEventReceiver);
    keyA(false);
    process_input(&GEventReceiver);
    EXPECT_EQ(player->getArma(), sniper);
    EXPECT_TRUE(sniper->getNode()->isVisible());
    EXPECT_FALSE(hand->getNode()->isVisible());
    EXPECT_EQ(Camera::ammoText(player->getArma()), "109");

    // One notch of the wheel: one switch, the next frames none.
    irr::SEvent wheel = {};
    wheel.EventType = irr::EET_MOUSE_INPUT_EVENT;
    wheel.MouseInput.Event = irr::EMIE_MOUSE_WHEEL;
    wheel.MouseInput.Wheel = -1;
    GEventReceiver.OnEvent(wheel);
    process_input(&GEventReceiver);
    process_input(&GEventReceiver);
    EXPECT_EQ(player->getArma(), hand);
}

TEST_F(CameraTest, SameKindReplacesTheOldOneAndKeepsTheCount)
{
    give<Sniper>();
    NoWeapon* hand = give<NoWeapon>();
    Sniper* second = give<Sniper>();
    EXPECT_EQ(player->getWeapons(), (std::vector<Arma*>{hand, second}));
    EXPECT_EQ(player->getArma(), second);
    EXPECT_EQ(second->getMunicao(), 109);
    player->switchArma(true);
    EXPECT_EQ(player->getArma(), hand);
}

TEST_F(CameraTest, SwitchingWrapsAroundBothWays)
{
    struct Case {
        const char* name;
        int carried;
        const char* switches;  // + forward, - backward
        int inHand;            // index in the order of taking; -1: none
    };
    const Case cases[] = {
        {"forward from the last", 3, "+", 0},
        {"backward from the first", 3, "+-", 2},
        {"backward from the last", 3, "-", 1},
        {"all the way round", 3, "+++", 2},
        {"one weapon", 1, "+", 0},
        {"one weapon backward", 1, "-", 0},
        {"no weapon", 0, "+-", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player = std::make_unique<Camera>();
        GmainCamera = player.get();
        std::vector<Arma*> taken;
        if (c.carried > 0)
            taken.push_back(give<Sniper>());
        if (c.carried > 1)
            taken.push_back(give<NoWeapon>());
        if (c.carried > 2)
            taken.push_back(give<Varinha>());
        for (const char* s = c.switches; *s; ++s)
            player->switchArma(*s == '+');
        EXPECT_EQ(player->getArma(), c.inHand < 0 ? nullptr : taken[c.inHand]);
    }
}

TEST_F(CameraTest, BumpingPushesStraightBackLevel)
{
    struct Case {
        const char* name;
        vector3df rotation;
        vector3df step;
    };
    const Case cases[] = {
        {"looking level", {0, 0, 0}, {0, 0, -20}},
        {"looking 60 degrees down", {60, 0, 0}, {0, 0, -10}},
        {"looking 60 degrees up", {-60, 0, 0}, {0, 0, -10}},
        {"turned to +X", {0, 90, 0}, {-20, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const vector3df from(100, 50, -200);
        stand(from, c.rotation);
        player->collided(nullptr);
        const vector3df step = player->getNode()->getPosition() - from;
        EXPECT_NEAR(step.X, c.step.X, 0.01);
        EXPECT_NEAR(step.Y, c.step.Y, 0.01);
        EXPECT_NEAR(step.Z, c.step.Z, 0.01);
    }
}

// Something the player touches, of a given kind of touch and a collision range of 100.
class Touched : public Target {
public:
    Touched(vector3df at, Touch touch) : Target(at, 10), _touch(touch) { _collisionRange = 100; }
    Touch touchForPlayer() const override { return _touch; }

private:
    Touch _touch;
};

TEST_F(CameraTest, AnItemLetsThePlayerOnAndFurnitureStopsHimAtItsEdge)
{
    struct Case {
        const char* name;
        Collidable::Touch touch;
        vector3df object;
        vector3df end;
    };
    // The player stands at (100, 50, -200) looking along +Z; the touch reaches (75 + 100) / 2 units.
    const Case cases[] = {
        {"an item", Collidable::Touch::passThrough, {100, 0, -170}, {100, 50, -200}},
        {"furniture ahead", Collidable::Touch::stop, {100, 0, -170}, {100, 50, -258.5f}},
        {"furniture to the side", Collidable::Touch::stop, {40, 0, -200}, {128.5f, 50, -200}},
        {"a monster", Collidable::Touch::pushBack, {100, 0, -170}, {100, 50, -220}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        stand(vector3df(100, 50, -200));
        Touched object(c.object, c.touch);
        player->collided(&object);
        const vector3df end = player->getNode()->getPosition();
        EXPECT_NEAR(end.X, c.end.X, 0.01);
        EXPECT_NEAR(end.Y, c.end.Y, 0.01);
        EXPECT_NEAR(end.Z, c.end.Z, 0.01);
    }
}

// Sounds are heard from the player's eye, facing where he looks, wherever he walks.
TEST_F(CameraTest, TheListenerFollowsTheEyeEveryFrame)
{
    GSound = SoundEngine::create();
    ASSERT_NE(GSound, nullptr);
    const struct {
        vector3df eye, rotation, facing;
    } frames[] = {{{100, 80, -200}, {0, 0, 0}, {0, 0, 1}}, {{-300, 80, 450}, {0, 90, 0}, {1, 0, 0}}};
    for (const auto& f : frames) {
        stand(f.eye, f.rotation);
        player->exec();
        ALfloat at[3], orientation[6];
        alGetListener3f(AL_POSITION, &at[0], &at[1], &at[2]);
        alGetListenerfv(AL_ORIENTATION, orientation);
        // OpenAL's space is right-handed: z changes sign.
        EXPECT_NEAR(at[0], f.eye.X, 0.01);
        EXPECT_NEAR(at[1], f.eye.Y, 0.01);
        EXPECT_NEAR(at[2], -f.eye.Z, 0.01);
        vector3df looks(orientation[0], orientation[1], -orientation[2]);
        EXPECT_NEAR(looks.normalize().dotProduct(f.facing), 1, 0.01) << f.eye.X;
    }
    GSound->drop();
    GSound = nullptr;
}

TEST_F(CameraTest, KillingHitCapturesThePlayerOnce)
{
    int captured = 0;
    player->onCaptured([&] { ++captured; });
    player->gotShoot(150, vector3df(), vector3df());
    EXPECT_EQ(player->getLife(), -50);
    EXPECT_EQ(captured, 1);
    player->gotShoot(30, vector3df(), vector3df());
    EXPECT_EQ(player->getLife(), -50);
    EXPECT_EQ(captured, 1);
    EXPECT_EQ(log().find("Camera::shoot 100.000000; hit= 150\nCamera::die\n"), 0u);
    EXPECT_EQ(log().find("Camera::die"), log().rfind("Camera::die"));
    EXPECT_NE(log().find("Camera::shoot -50.000000; hit= 30\n"), std::string::npos);

    irr::s32 code = 3;
    EXPECT_EQ(GBlackboard.queryAndDelete("Camera", code), player.get());
    EXPECT_EQ(GBlackboard.size(), 0u);
}

TEST_F(CameraTest, InTheStationHeStandsOnTheFloorAndTheWallAheadStopsHim)
{
    player = std::make_unique<Camera>(std::vector<irr::SKeyMap>{{irr::EKA_MOVE_FORWARD, irr::KEY_UP}});
    GmainCamera = player.get();
    Graph waypoints;
    GGraph = &waypoints;
    Story story;
    story.start();
    irr::u32 now = GTimer->getTime();
    auto frames = [&](int count, irr::u32 ms) {
        for (int i = 0; i < count; ++i)
            GSmgr->getRootSceneNode()->OnAnimate(now += ms);
    };
    frames(40, 50);
    const vector3df standing = player->getNode()->getPosition();
    EXPECT_NEAR(standing.X, 200, 0.01);
    EXPECT_NEAR(standing.Y, 80, 0.1);
    EXPECT_NEAR(standing.Z, -650, 0.01);
    EXPECT_EQ(player->getWeapons().size(), 2u);
    // Looking straight at the wall: the null device's pointer may have turned the view.
    stand(player->getNode()->getPosition());

    irr::SEvent up = {};
    up.EventType = irr::EET_KEY_INPUT_EVENT;
    up.KeyInput.Key = irr::KEY_UP;
    up.KeyInput.PressedDown = true;
    GSmgr->postEventFromUser(up);
    // Slow frames take long strides; the wall still holds.
    frames(10, 50);
    frames(10, 400);
    const vector3df stopped = player->getNode()->getPosition();
    EXPECT_NEAR(stopped.X, 200, 0.5);
    EXPECT_NEAR(stopped.Z, -180, 1);
    EXPECT_EQ(player->getBody()->getAbsolutePosition(), stopped);
    delete GcurrentMap;
}

TEST_F(CameraTest, MonsterRaysMeetTheBodyNotTheWholeView)
{
    stand(vector3df(0, 100, 0));
    irr::core::vector3df point;
    irr::core::triangle3df triangle;
    struct Case {
        const char* name;
        irr::core::line3df ray;
        bool hits;
    };
    const Case cases[] = {
        {"a strike at the chest from the side", {{-60, 60, 0}, {60, 60, 0}}, true},
        {"a strike at the knees from ahead", {{0, 40, 80}, {0, 40, -80}}, true},
        {"a spider's bite from below the eye", {{0, 30, 50}, {0, 70, 0}}, true},
        {"a ray passing a body's width away", {{-60, 60, 40}, {60, 60, 40}}, false},
        {"a ray over the head", {{-60, 130, 0}, {60, 130, 0}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(getFirstCollision(c.ray, &point, &triangle), c.hits ? player.get() : nullptr);
    }
}

TEST_F(CameraTest, OwnShotsAndHandPassThroughTheBody)
{
    Target* ahead = targetAhead(100);
    Sniper* sniper = give<Sniper>();
    stand(vector3df(0, 0, 0));
    player->shoot();
    EXPECT_EQ(ahead->hits, std::vector<int>{50});
    EXPECT_EQ(sniper->getMunicao(), 108);
    EXPECT_TRUE(player->getBody()->isVisible());

    give<NoWeapon>();
    player->trigger();
    player->shoot();
    EXPECT_EQ(ahead->messages, std::vector<int>{8});
}

TEST_F(CameraTest, SwordHurtsThePlayerItMeets)
{
    stand(vector3df(0, 100, 0));
    LongSword sword;
    irr::scene::ISceneNode* monster = holder(vector3df(0, 60, -50));
    sword.attachTo(monster);
    settle();
    sword.shoot();
    EXPECT_EQ(player->getLife(), 50);
}

TEST_F(CameraTest, StatusBarLengthFollowsTheLifeAndTheBandIsCentred)
{
    StatusBar* bar = player->getMealBar();
    EXPECT_EQ(bar->getStatus(), 500);
    EXPECT_EQ(bar->length(), 200);
    const struct {
        float life;
        long status;
        int length;
    } cases[] = {{50, 250, 100}, {33, 165, 66}, {0, 0, 0}, {-8, -40, 0}, {100, 500, 200}};
    for (const auto& c : cases) {
        player->feed(static_cast<long>(c.life));
        EXPECT_EQ(bar->getStatus(), c.status) << c.life;
        EXPECT_EQ(bar->length(), c.length) << c.life;
    }
    player->injure(40);
    player->drawStatus();
    EXPECT_EQ(bar->length(), 120) << "drawn as the life stands";
    EXPECT_EQ(StatusBar::messageBand(irr::core::dimension2du(800, 600)), irr::core::recti(1, 200, 799, 400));
    EXPECT_EQ(StatusBar::messageBand(irr::core::dimension2du(700, 501)), irr::core::recti(1, 150, 699, 350));
}
