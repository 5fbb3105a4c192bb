#include "support/TempDirTest.h"

#include <cstdlib>
#include <filesystem>

#include "platform/StateReset.h"

void TempDirTest::TearDown()
{
    resetRegisteredState();
    for (const std::string& dir : _tempDirs)
        std::filesystem::remove_all(dir);
    _tempDirs.clear();
}

std::string TempDirTest::makeTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "satlink-test-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr);
    _tempDirs.push_back(pattern);
    return pattern;
}
