// The generator program itself: two runs write the same bytes; a bad command line or a file it cannot
// write fails the run.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/EngineTest.h"

namespace fs = std::filesystem;

namespace {

const std::string Program = std::string(SATLINK_BUILD_DIR) + "/tools/mediagen/mediagen";

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class GeneratorTest : public EngineTest {};

}  // namespace

TEST_F(GeneratorTest, TwoRunsWriteIdenticalFiles)
{
    const std::string first = makeTempDir(), second = makeTempDir();
    ASSERT_EQ(std::system((Program + " " + first + "/media > /dev/null").c_str()), 0);
    ASSERT_EQ(std::system((Program + " " + second + "/media > /dev/null").c_str()), 0);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(first + "/media")) {
        if (!entry.is_regular_file())
            continue;
        const fs::path twin = fs::path(second + "/media") / fs::relative(entry.path(), first + "/media");
        ASSERT_TRUE(fs::exists(twin)) << twin;
        EXPECT_TRUE(contents(entry.path()) == contents(twin)) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 50);
    EXPECT_TRUE(fs::exists(second + "/media/.generated"));
}

TEST_F(GeneratorTest, RefusesAMissingFolderArgument)
{
    EXPECT_NE(std::system((Program + " 2> /dev/null").c_str()), 0);
}

TEST_F(GeneratorTest, AFileThatCannotBeWrittenFailsTheRun)
{
    // A short file is only buffered when it is written: the failure shows when it is flushed.
    const std::string media = makeTempDir() + "/media";
    fs::create_directories(media + "/gun");
    fs::create_symlink("/dev/full", media + "/gun/hand.mtl");
    EXPECT_NE(std::system((Program + " " + media + " 2> /dev/null").c_str()), 0);
}
