#include "support/EngineTest.h"

#include <cstdlib>
#include <filesystem>

#include "support/NullDevice.h"

void EngineTest::SetUp()
{
    openNullDevice();
    ASSERT_NE(GDevice, nullptr);
}

void EngineTest::TearDown()
{
    closeNullDevice();
    for (const std::string& dir : _tempDirs)
        std::filesystem::remove_all(dir);
    _tempDirs.clear();
}

std::string EngineTest::makeTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "satlink-test-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr);
    _tempDirs.push_back(pattern);
    return pattern;
}
