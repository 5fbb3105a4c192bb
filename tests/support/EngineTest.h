// Test fixture: a fresh Irrlicht null device in the engine handles, and the game's state reset after.
#pragma once

#include "shell/Engine.h"
#include "support/TempDirTest.h"

class EngineTest : public TempDirTest {
protected:
    void SetUp() override;
    void TearDown() override;
};
