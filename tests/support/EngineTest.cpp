#include "support/EngineTest.h"

#include "support/NullDevice.h"

void EngineTest::SetUp()
{
    openNullDevice();
    ASSERT_NE(GDevice, nullptr);
}

void EngineTest::TearDown()
{
    closeNullDevice();
    TempDirTest::TearDown();
}
