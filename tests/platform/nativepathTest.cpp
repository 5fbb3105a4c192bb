// Tests of the native path resolver: backslashes, mixed case per component, missing components.
#include <filesystem>
#include <fstream>

#include "platform/nativepath.h"
#include "support/TempDirTest.h"

namespace fs = std::filesystem;

namespace {

class nativepathTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        root = makeTempDir();
        fs::create_directories(root + "/Media/OrvendMap");
        std::ofstream(root + "/Media/OrvendMap/wayPoint.wpn") << "x";
        std::ofstream(root + "/Media/lista.txt") << "x";
    }

    std::string root;
};

}

TEST_F(nativepathTest, BackslashesAndMixedCaseFindTheFile)
{
    EXPECT_EQ(nativePath(root + "\\media\\orvendMap\\waypoint.wpn"), root + "/Media/OrvendMap/wayPoint.wpn");
    EXPECT_EQ(nativePath(root + "\\MEDIA\\LISTA.TXT"), root + "/Media/lista.txt");
    EXPECT_EQ(nativePath(root + "/Media/lista.txt"), root + "/Media/lista.txt");
}

TEST_F(nativepathTest, MissingComponentsAreKeptAsWritten)
{
    EXPECT_EQ(nativePath(root + "\\media\\log.txt"), root + "/Media/log.txt");
    EXPECT_EQ(nativePath(root + "\\Nothing\\Media\\lista.txt"), root + "/Nothing/Media/lista.txt");
    EXPECT_EQ(nativePath(root + "\\media\\orvendmap\\Missing\\wayPoint.wpn"),
              root + "/Media/OrvendMap/Missing/wayPoint.wpn");
}

TEST_F(nativepathTest, ExactSpellingWinsOverOtherCases)
{
    fs::create_directories(root + "/media");
    std::ofstream(root + "/media/lista.txt") << "y";
    EXPECT_EQ(nativePath(root + "\\media\\LISTA.txt"), root + "/media/lista.txt");
    EXPECT_EQ(nativePath(root + "\\MeDiA\\lista.txt"), root + "/Media/lista.txt");
}

TEST_F(nativepathTest, RelativeAndDoubledSeparators)
{
    fs::path here = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(nativePath("media\\\\orvendmap\\WAYPOINT.WPN"), "Media/OrvendMap/wayPoint.wpn");
    EXPECT_EQ(nativePath(".\\media\\..\\media\\lista.txt"), "./Media/../Media/lista.txt");
    fs::current_path(here);
    EXPECT_EQ(nativePath(""), "");
}
