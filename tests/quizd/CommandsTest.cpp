// The command line as a teacher meets it: help, mistakes, and files that cannot be written.
#include "QuizdTest.h"

#include "Commands.h"

#include <fstream>
#include <sstream>

using namespace quizd;

class CommandsTest : public QuizdTest {
protected:
    int run(std::vector<std::string> args)
    {
        out_.str("");
        err_.str("");
        return Commands(out_, err_).run(args);
    }
    std::ostringstream out_, err_;
};

TEST_F(CommandsTest, HelpOnStandardOutputAndMistakesOnStandardError)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        bool usageOnOut;
    };
    const Case cases[] = {
        {{"--help"}, 0, true},
        {{"-h"}, 0, true},
        {{"help"}, 0, true},
        {{}, 2, false},
        {{"bogus", path_}, 2, false},
        {{"adduser", path_, "so-o-nome"}, 2, false},
        {{"serve", path_, "--port"}, 2, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), c.status) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(out_.str().find("quizd addteacher") != std::string::npos, c.usageOnOut);
        EXPECT_EQ(err_.str().find("quizd addteacher") != std::string::npos, !c.usageOnOut);
    }
}

TEST_F(CommandsTest, APortFileThatCannotBeWrittenStopsTheServerAtOnce)
{
    EXPECT_EQ(run({"serve", path_, "--address", "127.0.0.1", "--port", "0", "--port-file", folder_ + "/nao/existe/porta"}), 1);
    EXPECT_NE(err_.str().find("arquivo de porta"), std::string::npos);
    EXPECT_EQ(out_.str().find("servindo"), std::string::npos);
}

TEST_F(CommandsTest, AddUsersIsAllOrNothing)
{
    std::ofstream(folder_ + "/turma.csv") << "bia,um\ncaio\ndani,tres\n";
    EXPECT_EQ(run({"addusers", path_, folder_ + "/turma.csv"}), 1);
    EXPECT_NE(err_.str().find("turma.csv:2:"), std::string::npos);
    EXPECT_TRUE(open().results().empty());
    std::ofstream(folder_ + "/turma.csv") << "bia,um\ncaio,dois\ndani,tres\n";
    EXPECT_EQ(run({"addusers", path_, folder_ + "/turma.csv"}), 0);
    EXPECT_EQ(open().results().size(), 3u);
}

TEST_F(CommandsTest, TeachersAreNotStudents)
{
    EXPECT_EQ(run({"addteacher", path_, "prof", "segredo"}), 0);
    EXPECT_TRUE(open().teacherHash("prof"));
    EXPECT_FALSE(open().findUser("prof"));
    EXPECT_EQ(run({"addteacher", path_, "a\x01", "x"}), 1);
    EXPECT_EQ(run({"addteacher", path_, "prof2", ""}), 1);
}
