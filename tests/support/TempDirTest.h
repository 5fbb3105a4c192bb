// Test fixture: temporary folders made on demand and removed after the case, and the game's state reset.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

class TempDirTest : public ::testing::Test {
protected:
    void TearDown() override;

    // A new empty folder under the system's temporary folder, removed after the test.
    std::string makeTempDir();

private:
    std::vector<std::string> _tempDirs;
};
