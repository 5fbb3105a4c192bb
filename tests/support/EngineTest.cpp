#include "support/EngineTest.h"

#include <cstdlib>
#include <filesystem>

void EngineTest::SetUp()
{
    resetGlobalContext();
    GDevice = irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(800, 600));
    ASSERT_NE(GDevice, nullptr);
    GDevice->getLogger()->setLogLevel(irr::ELL_NONE);
    GDriver = GDevice->getVideoDriver();
    GSmgr = GDevice->getSceneManager();
    GEnvironment = GDevice->getGUIEnvironment();
    GTimer = GDevice->getTimer();
}

void EngineTest::TearDown()
{
    irr::IrrlichtDevice* device = GDevice;
    resetGlobalContext();
    if (device)
        device->drop();
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
