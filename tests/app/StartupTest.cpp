// Tests of the sound start-up and the shutdown.
#include "app/Startup.h"
#include "platform/SoundEngine.h"
#include "support/EngineTest.h"
#include "world/Collidable.h"

using StartupTest = EngineTest;

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
