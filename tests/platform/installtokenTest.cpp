// The install token: made once, kept private, and the same on every later run.
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "platform/installtoken.h"
#include "support/TempDirTest.h"

namespace {

class InstallTokenTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        state = makeTempDir() + "/home/.local/state";
    }
    static unsigned mode(const std::string& path)
    {
        struct stat info {};
        stat(path.c_str(), &info);
        return info.st_mode & 0777;
    }
    std::string state;
};

}

TEST_F(InstallTokenTest, MadeOnceInAPrivateFileThenKept)
{
    const std::string path = state + "/satlink/install";
    const std::string token = installToken(path);
    EXPECT_EQ(token.size(), 64u);
    EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(installToken(path), token);
    EXPECT_EQ(mode(path), 0600u);
    EXPECT_EQ(mode(state + "/satlink"), 0700u);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    std::ofstream(path) << "not a token\n";
    const std::string mended = installToken(path);
    EXPECT_EQ(mended.size(), 64u);
    EXPECT_NE(mended, token);
    EXPECT_EQ(installToken(path), mended);
}

TEST_F(InstallTokenTest, AFolderThatCannotBeMadeStillGivesThisRunAToken)
{
    std::filesystem::create_directories(state);
    std::ofstream(state + "/satlink") << "a file where the folder should be";
    const std::string first = installToken(state + "/satlink/install");
    EXPECT_EQ(first.size(), 64u);
    EXPECT_NE(installToken(state + "/satlink/install"), first);
}
