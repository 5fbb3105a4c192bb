// Test fixture: a fresh Irrlicht null device in the engine globals, and a clean global context after.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "shell/Global.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new empty folder under the system's temporary folder, removed after the test.
    std::string makeTempDir();

private:
    std::vector<std::string> _tempDirs;
};
