// The SQLite store: users with hashed passwords, idempotent imports, the choice of the next question
// and the order each student saw.
#include "QuizdTest.h"

#include "EventStore.h"
#include "PasswordHash.h"

#include <fstream>
#include <set>
#include <sstream>

using namespace quizd;

namespace {

const char* kBank = "Um {=a ~b ~c ~d}\n\nDois {=sim =yes}\n\nTres {#3}\n\nQuatro {T}\n\nCinco {=x ~y ~z}\n";

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}

class QuizStoreTest : public QuizdTest {};

TEST_F(QuizStoreTest, PasswordsAreStoredOnlyAsSaltedHashes)
{
    QuizStore store = open();
    EXPECT_TRUE(store.addUser("ana", "segredo-claro"));
    EXPECT_TRUE(store.addUser("bia", "segredo-claro"));
    EXPECT_FALSE(store.addUser("ana", "outra"));
    std::string hashA = store.passwordHash(*store.findUser("ana"));
    std::string hashB = store.passwordHash(*store.findUser("bia"));
    EXPECT_TRUE(PasswordHash::verify("outra", hashA));
    EXPECT_FALSE(PasswordHash::verify("segredo-claro", hashA));
    EXPECT_TRUE(PasswordHash::verify("segredo-claro", hashB));
    EXPECT_EQ(fileBytes(path_).find("segredo-claro"), std::string::npos);
    EXPECT_EQ(fileBytes(path_ + "-wal").find("segredo-claro"), std::string::npos);
}

TEST_F(QuizStoreTest, SqlInNamesIsJustText)
{
    QuizStore store = open();
    store.addUser("x'); DROP TABLE users; --", "p");
    EXPECT_TRUE(store.findUser("x'); DROP TABLE users; --"));
    EXPECT_FALSE(store.findUser("' OR '1'='1"));
    EXPECT_EQ(store.results().size(), 1u);
}

TEST_F(QuizStoreTest, ImportingTheSameBankTwiceAddsNothing)
{
    importGift(kBank);
    GiftParser::Result again = GiftParser().parse(kBank);
    ImportCount count = open().importQuestions(again.questions);
    EXPECT_EQ(count.added, 0);
    EXPECT_EQ(count.updated, 5);
    EXPECT_FALSE(open().question(6));
    EXPECT_EQ(open().question(3)->kind, Kind::Number);
}

TEST_F(QuizStoreTest, NextQuestionSkipsWhatTheStudentGotRight)
{
    importGift(kBank);
    QuizStore store = open();
    store.addUser("ana", "p");
    long ana = *store.findUser("ana");
    std::set<long> seen;
    for (int k = 0; k < 5; ++k) {
        long id = *store.nextQuestionFor(ana);
        EXPECT_TRUE(seen.insert(id).second) << "question " << id << " came twice";
        store.recordAttempt(ana, id, "x", true);
    }
    // With everything right the bank starts over rather than running dry.
    EXPECT_TRUE(store.nextQuestionFor(ana));
}

TEST_F(QuizStoreTest, AWrongAnswerComesBackAfterTheUntried)
{
    importGift(kBank);
    QuizStore store = open();
    store.addUser("ana", "p");
    long ana = *store.findUser("ana");
    long first = *store.nextQuestionFor(ana);
    store.recordAttempt(ana, first, "x", false);
    EXPECT_NE(*store.nextQuestionFor(ana), first);
}

TEST_F(QuizStoreTest, StudentsStartOnDifferentQuestions)
{
    importGift(kBank);
    QuizStore store = open();
    std::set<long> firsts;
    for (int k = 0; k < 10; ++k) {
        store.addUser("aluno" + std::to_string(k), "p");
        firsts.insert(*store.nextQuestionFor(*store.findUser("aluno" + std::to_string(k))));
    }
    EXPECT_GE(firsts.size(), 3u);
}

TEST_F(QuizStoreTest, AStudentOfAnyNumberGetsAQuestion)
{
    importGift(kBank);
    QuizStore store = open();
    for (long student : {1L, 438'000L, 10'000'000L, 1L << 40, 9'000'000'000'000'000'000L})
        EXPECT_TRUE(store.nextQuestionFor(student)) << "student " << student;
}

TEST_F(QuizStoreTest, TheShownOrderIsKeptPerStudent)
{
    importGift(kBank);
    QuizStore store = open();
    store.addUser("ana", "p");
    long ana = *store.findUser("ana");
    Question q = *store.question(1);
    std::vector<int> order = store.displayOrder(ana, q);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()), (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(open().displayOrder(ana, q), order);
    // True/false stays in place.
    EXPECT_EQ(store.displayOrder(ana, *store.question(4)), (std::vector<int>{0, 1}));
}

TEST_F(QuizStoreTest, CommandsRefuseADatabaseThatWasNotInitialised)
{
    std::ofstream(folder_ + "/other.db") << "";
    EXPECT_THROW(QuizStore(folder_ + "/other.db"), DatabaseError);
    EXPECT_THROW(QuizStore(folder_ + "/missing.db"), DatabaseError);
}

TEST_F(QuizStoreTest, AnOpenStoreSeesALaterImport)
{
    QuizStore serving = open();
    serving.addUser("ana", "p");
    EXPECT_FALSE(serving.nextQuestionFor(*serving.findUser("ana")));
    importGift(kBank);
    EXPECT_TRUE(serving.nextQuestionFor(*serving.findUser("ana")));
    EXPECT_EQ(serving.question(5)->text, "Cinco");
}

TEST_F(QuizStoreTest, ADatabaseFromBeforeGameEventsIsUpgradedInPlaceAndNumbersTheGames)
{
    if (onPostgres()) GTEST_SKIP() << "a SQLite file from before game events";
    importGift(kBank);
    {
        QuizStore old = open();
        old.addUser("ana", "p");
        old.addUser("bia", "p");
        old.recordAttempt(*old.findUser("ana"), 1, "0", true);
        old.recordAttempt(*old.findUser("ana"), 2, "sim", true);
        old.database().exec("DROP TABLE events");
    }
    QuizStore store = open();
    long ana = *store.findUser("ana");
    EventStore events(store.database());
    events.record(ana, {"stage", 10, "abrindo as portas", 100, 30});
    events.record(ana, {"stage", 100, "ajustando a antena", 80, 400});
    events.record(ana, {"stage", 20, "de volta ao computador", 60, 460});
    events.record(ana, {"victory", 20, "de volta ao computador", 60, 900});
    events.record(ana, {"victory", 20, "de volta ao computador", 60, 700}); // a second, faster game
    events.record(ana, {"end", 20, "de volta ao computador", 60, 710});
    events.record(ana, {"stage", 1, "na entrada", 100, 720}); // after an end, a new game whatever the clock
    std::vector<int> games;
    for (const StoredEvent& e : events.of(ana)) games.push_back(e.game);
    EXPECT_EQ(games, std::vector<int>({1, 1, 1, 1, 2, 2, 3}));
    std::vector<StoredEvent> latest = events.latestGames();
    ASSERT_EQ(latest.size(), 1u);
    EXPECT_EQ(latest[0].event.title, "na entrada");
    std::vector<StudentResult> r = store.results();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].answered, 2);
    EXPECT_EQ(r[0].stageReached, 100);
    EXPECT_EQ(r[0].stageTitle, "ajustando a antena");
    EXPECT_EQ(r[0].secondsToFinish, 900); // the first time it was done
    EXPECT_EQ(r[1].stageReached, -1);
    EXPECT_EQ(r[1].secondsToFinish, -1);
}

// Arrivals 2 ms apart across a second's turn are a second apart on the page, as their times of day are,
// however far into the second it is read.
TEST_F(QuizStoreTest, AgesDifferAsTheArrivalsShownDo)
{
    QuizStore store = open();
    store.addUser("ana", "p");
    long ana = *store.findUser("ana");
    EventStore events(store.database());
    const char* arrivals[] = {"2026-01-05T10:00:00.999Z", "2026-01-05T10:00:01.001Z", "2026-01-05T10:00:03.500Z"};
    for (long stage = 0; stage < 3; ++stage) {
        events.record(ana, {"stage", stage, "fase", 100, 10 * stage});
        store.database().exec((std::string("UPDATE events SET received_at = '") + arrivals[stage] +
                              "' WHERE stage = " + std::to_string(stage)).c_str());
    }
    std::vector<long> ages;
    for (const StoredEvent& e : events.of(ana)) ages.push_back(e.age);
    ASSERT_EQ(ages.size(), 3u);
    EXPECT_EQ(ages[0] - ages[1], 1);
    EXPECT_EQ(ages[1] - ages[2], 2);
}
