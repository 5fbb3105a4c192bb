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

TEST_F(CommandsTest, MigrateCopiesASchoolThereAndBackCheckedByCounts)
{
    std::string school = folder_ + "/escola.db";
    std::ofstream(folder_ + "/banco.gift") << "Um {=a ~b ~c}\n\nDois {=sim}\n";
    ASSERT_EQ(run({"init", school}), 0);
    ASSERT_EQ(run({"import", school, folder_ + "/banco.gift"}), 0);
    ASSERT_EQ(run({"adduser", school, "ana", "p"}), 0);
    ASSERT_EQ(run({"addteacher", school, "prof", "s"}), 0);
    {
        QuizStore store(school);
        long ana = *store.findUser("ana");
        store.displayOrder(ana, *store.question(1));
        store.recordAttempt(ana, 1, "0", true);
        store.recordAttempt(ana, 2, "nao", false);
    }
    ASSERT_EQ(run({"results", school}), 0);
    std::string results = out_.str();

    EXPECT_EQ(run({"migrate", school, path_}), 0) << err_.str();
    EXPECT_NE(out_.str().find("attempts: 2 linhas"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("copia conferida"), std::string::npos);
    EXPECT_EQ(run({"migrate", path_, folder_ + "/volta.db"}), 0) << err_.str();
    for (const std::string& db : {path_, folder_ + "/volta.db"}) {
        EXPECT_EQ(run({"results", "--db", db}), 0);
        EXPECT_EQ(out_.str(), results) << db;
    }
    QuizStore copied(path_);
    EXPECT_EQ(copied.storedOrder(*copied.findUser("ana"), 1), QuizStore(school).storedOrder(1, 1));
    EXPECT_TRUE(copied.addUser("bia", "p")); // new rows number on after the copied ones

    EXPECT_EQ(run({"migrate", school, path_}), 1);
    EXPECT_NE(err_.str().find("o destino ja tem dados"), std::string::npos) << err_.str();
}
