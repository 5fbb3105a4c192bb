// Tests of the sound start-up, the shutdown and the collision registry's removal.
#include "platform/SoundEngine.h"
#include "app/Startup.h"
#include "support/EngineTest.h"

using StartupTest = EngineTest;

TEST_F(StartupTest, RemoveCollisionTakesOutTheFirstEqualEntryOnly)
{
    Collidable* a = reinterpret_cast<Collidable*>(0x10);
    Collidable* b = reinterpret_cast<Collidable*>(0x20);
    Gcolisao = {a, b, a};
    removeCollision(a);
    EXPECT_EQ(Gcolisao, (std::vector<Collidable*>{b, a}));
    removeCollision(reinterpret_cast<Collidable*>(0x30));
    EXPECT_EQ(Gcolisao.size(), 2u);
}

TEST_F(StartupTest, SoundStartsOnTheNullDeviceAndDropReleasesAll)
{
    initSound();
    ASSERT_NE(GSound, nullptr);
    Gcolisao.push_back(nullptr);
    drop();
    EXPECT_EQ(GSound, nullptr);
    EXPECT_EQ(GDevice, nullptr);
    EXPECT_TRUE(Gcolisao.empty());
}
