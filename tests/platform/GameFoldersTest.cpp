// Where the game reads its config and media and writes its log, in a portable copy and an installed game.
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "platform/GameFolders.h"
#include "platform/userfolders.h"
#include "support/TempDirTest.h"

namespace fs = std::filesystem;

namespace {

const char* const DataFromExe = "../share/games/satlink";

class GameFoldersTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        root = makeTempDir();
        user = {root + "/home/.config", root + "/home/.local/state"};
    }

    // prefix/games/satlink with its data in prefix/share/games/satlink, as an install lays it out.
    std::string installedGame()
    {
        fs::create_directories(root + "/usr/games");
        fs::create_directories(root + "/usr/share/games/satlink/media");
        return root + "/usr/games";
    }

    // A build folder or an unpacked copy: media/ beside the executable.
    std::string portableGame()
    {
        fs::create_directories(root + "/copy/media");
        return root + "/copy";
    }

    void writeFile(const std::string& path)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "<config/>";
    }

    std::string root;
    UserFolders user;
};

}

// A build folder or an unpacked copy the user can write to keeps to itself, even when the user has a
// config of their own; its files are found whatever their case, and without media it stays as it is.
TEST_F(GameFoldersTest, WritableCopyKeepsEverythingBesideTheExecutable)
{
    writeFile(user.config + "/satlink/config.xml");
    const std::string exe = portableGame();
    writeFile(exe + "/Config.XML");
    fs::create_directories(root + "/bare");
    for (const std::string& folder : {exe, root + "/bare"}) {
        GameFolders folders(folder, true, DataFromExe, user);
        EXPECT_FALSE(folders.installed()) << folder;
        EXPECT_EQ(folders.dataFolder(), folder);
        EXPECT_EQ(folders.logFile(), folder + "/log.txt");
        EXPECT_EQ(folders.installTokenFile(), user.state + "/satlink/install"); // the user's, even here
    }
    EXPECT_EQ(GameFolders(exe, true, DataFromExe, user).configFile(), exe + "/Config.XML");
}

// The config a user wrote wins over the one shipped beside the media; the log always goes to the
// user's state folder, whether the install can be written to (root, a prefix in ~/.local) or not.
TEST_F(GameFoldersTest, InstalledGameUsesTheUsersFolders)
{
    const struct {
        const char* what;
        bool installedHere;  // else a portable copy in a folder the user cannot write to
        bool writable;
        bool ownConfig;
    } cases[] = {
        {"read-only install, shipped config", true, false, false},
        {"read-only install, own config", true, false, true},
        {"writable install, shipped config", true, true, false},
        {"read-only unpacked copy, shipped config", false, false, false},
        {"read-only unpacked copy, own config", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root);
        fs::create_directories(root);
        const std::string exe = c.installedHere ? installedGame() : portableGame();
        const std::string data = c.installedHere ? root + "/usr/share/games/satlink" : exe;
        const std::string ownConfig = user.config + "/satlink/config.xml";
        if (c.ownConfig)
            writeFile(ownConfig);
        GameFolders folders(exe, c.writable, DataFromExe, user);
        EXPECT_TRUE(folders.installed());
        EXPECT_EQ(folders.dataFolder(), data);
        EXPECT_EQ(folders.configFile(), c.ownConfig ? ownConfig : data + "/config.xml");
        EXPECT_EQ(folders.logFile(), user.state + "/satlink/log.txt");
        EXPECT_EQ(folders.installTokenFile(), user.state + "/satlink/install");
    }
}

TEST_F(GameFoldersTest, FirstLogLineSaysWhenTheConfigIsMissingAndWhereOwnSettingsGo)
{
    const std::string exe = installedGame();
    EXPECT_EQ(GameFolders(exe, false, DataFromExe, user).description(),
              "log: " + user.state + "/satlink/log.txt; config: " + root +
                  "/usr/share/games/satlink/config.xml (missing: default settings) (own settings go in " +
                  user.config + "/satlink/config.xml)");
}

TEST_F(GameFoldersTest, LogFolderIsMadePrivateStepByStepUnlessAFileIsInTheWay)
{
    GameFolders folders(installedGame(), false, DataFromExe, user);
    ASSERT_TRUE(folders.makeLogFolder());
    for (const std::string& made : {root + "/home", user.state, user.state + "/satlink"}) {
        struct stat info;
        ASSERT_EQ(stat(made.c_str(), &info), 0) << made;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }
    EXPECT_TRUE(folders.makeLogFolder()) << "a second start finds the folder there";
    fs::remove_all(user.state + "/satlink");
    writeFile(user.state + "/satlink");
    EXPECT_FALSE(folders.makeLogFolder());
}

TEST(UserFoldersTest, XdgValuesWinOnlyWhenAbsolute)
{
    const struct {
        const char* configHome;
        const char* stateHome;
        const char* config;
        const char* state;
    } cases[] = {
        {nullptr, nullptr, "/home/ana/.config", "/home/ana/.local/state"},
        {"/x/conf", "/x/state", "/x/conf", "/x/state"},
        {"", "", "/home/ana/.config", "/home/ana/.local/state"},
        {"conf", "./state", "/home/ana/.config", "/home/ana/.local/state"},
    };
    for (const auto& c : cases) {
        const UserFolders folders = userFolders("/home/ana", c.configHome, c.stateHome);
        EXPECT_EQ(folders.config, c.config);
        EXPECT_EQ(folders.state, c.state);
    }
}
