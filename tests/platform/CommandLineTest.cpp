// Tests of the command-line flags and of the start-up keys without a display.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/exepath.h"
#include "platform/startkeys.h"

namespace {

CommandLine parse(std::vector<std::string> args)
{
    static std::vector<std::string> kept;
    kept = std::move(args);
    kept.insert(kept.begin(), "satlink");
    static std::vector<char*> argv;
    argv.clear();
    for (std::string& arg : kept)
        argv.push_back(arg.data());
    return CommandLine(static_cast<int>(argv.size()), argv.data());
}

}

TEST(CommandLineTest, FlagsAreRecognised)
{
    CommandLine none = parse({});
    EXPECT_FALSE(none.editor());
    EXPECT_FALSE(none.testMode());
    EXPECT_FALSE(none.help());
    CommandLine both = parse({"--test-mode", "--editor"});
    EXPECT_TRUE(both.editor());
    EXPECT_TRUE(both.testMode());
    EXPECT_TRUE(both.error().empty());
    EXPECT_TRUE(parse({"--help"}).help());
}

TEST(CommandLineTest, WaypointsTakesAFileAndOpensTheEditor)
{
    const struct {
        std::vector<std::string> args;
        bool editor;
        std::string file;
        bool error;
    } cases[] = {
        {{"--waypoints", "w.wpn"}, true, "w.wpn", false},
        {{"--waypoints", "w.wpn", "--test-mode"}, true, "w.wpn", false},
        {{"--waypoints"}, false, "", true},
        {{"--waypoints", ""}, false, "", true},
    };
    for (const auto& c : cases) {
        CommandLine line = parse(c.args);
        EXPECT_EQ(line.editor(), c.editor);
        EXPECT_EQ(line.waypoints(), c.file);
        EXPECT_EQ(!line.error().empty(), c.error);
    }
}

TEST(CommandLineTest, DemoFlags)
{
    const struct {
        std::vector<std::string> args;
        bool demo;
        bool die;
        std::string bank;
        bool error;
    } cases[] = {
        {{}, false, false, "", false},
        {{"--demo"}, true, false, "", false},
        {{"--demo", "--bank", "b.gift"}, true, false, "b.gift", false},
        {{"--demo-die", "--test-mode"}, true, true, "", false},
        {{"--demo", "--bank"}, true, false, "", true},
        {{"--bank", ""}, false, false, "", true},
    };
    for (const auto& c : cases) {
        CommandLine line = parse(c.args);
        EXPECT_EQ(line.demo(), c.demo);
        EXPECT_EQ(line.demoDie(), c.die);
        EXPECT_EQ(line.bank(), c.bank);
        EXPECT_EQ(!line.error().empty(), c.error);
    }
    const std::string usage = CommandLine::usage();
    EXPECT_NE(usage.find("--demo "), std::string::npos);
    EXPECT_NE(usage.find("--bank FILE"), std::string::npos);
    EXPECT_EQ(usage.find("--demo-die"), std::string::npos);
}

TEST(CommandLineTest, UnknownArgumentIsNamed)
{
    CommandLine bad = parse({"--test-mode", "--fast"});
    EXPECT_NE(bad.error().find("--fast"), std::string::npos);
}

TEST(StartupKeysTest, NoDisplayMeansNotHeld)
{
    const char* display = std::getenv("DISPLAY");
    std::string saved = display ? display : "";
    setenv("DISPLAY", ":9999", 1);
    EXPECT_FALSE(startupKeyHeld('L'));
    EXPECT_FALSE(startupKeyHeld('E'));
    if (display)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

TEST(ExecutableFolderTest, IsTheFolderOfThisProgram)
{
    std::string folder = executableFolder().c_str();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(std::string(SATLINK_BUILD_DIR) + "/tests", folder);
}
