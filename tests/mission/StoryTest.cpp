// The mission on the null device in test mode: every state from the first ninja to the victory, the hints,
// the timed questions and the capture, checked against the mission plan and the level's plan.
#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "level/LevelPlan.h"
#include "mission/MissionSteps.h"
#include "mission/Story.h"
#include "mission/scenery.h"
#include "net/Question.h"
#include "net/QuizWorker.h"
#include "net/RecordingServer.h"
#include "player/Camera.h"
#include "player/NoWeapon.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "support/MissionWorld.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "world/Collectable.h"
#include "world/GenericObj.h"

using irr::core::vector3df;
using namespace mission;

namespace {

class StoryTest : public ::testing::Test {
protected:
    void SetUp() override { world.open(true); }
    void TearDown() override { world.close(); }

    int state() const { return world.story().getState(); }
    // One frame, noting each state the mission passes through and the state whose step opened a door.
    void step()
    {
        const int before = state();
        world.frame();
        if (visited.empty() || visited.back() != state())
            visited.push_back(state());
        for (const Doorway& door : plan.doorways)
            if (door.closed && !openedIn.count(door.name) && isOpen(door.name))
                openedIn[door.name] = before;
    }
    // A door opens by going away or by sinking into the floor.
    static bool isOpen(const std::string& name)
    {
        GenericObj* door = findGenericObj(name.c_str());
        return !door || door->getNode()->getPosition().Y < 0;
    }
    void steps(int count)
    {
        for (int i = 0; i < count; ++i)
            step();
    }
    size_t count(const std::string& line) const
    {
        const std::string log = world.log();
        size_t n = 0;
        for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
            ++n;
        return n;
    }
    template <typename Kind>
    bool monsterIs(int slot, const char* name) const
    {
        NPC* monster = world.story().monster(slot);
        return dynamic_cast<Kind*>(monster) && monster->getName() == name;
    }
    // Where the log says the mission made the monster: "x,z".
    std::string madeAt(const std::string& name) const
    {
        const std::string log = world.log();
        const size_t line = log.find("Story::createMonster " + name + " , ");
        if (line == std::string::npos)
            return "nowhere";
        const size_t at = log.find(",(", line) + 2;
        return log.substr(at, log.find('\n', at) - at);
    }

    MissionWorld world;
    const LevelPlan plan = orvendPlan();
    std::vector<int> visited;
    std::map<std::string, int> openedIn;
};

// The texts of what the shown windows hold, in the order of the GUI tree.
std::wstring shownTexts(irr::gui::IGUIElement* parent = nullptr)
{
    std::wstring texts;
    for (irr::gui::IGUIElement* child : (parent ? parent : GEnvironment->getRootGUIElement())->getChildren())
        if (child->isVisible())
            texts += std::wstring(child->getText()) + L"|" + shownTexts(child);
    return texts;
}

const wchar_t* shownText()
{
    return GMessageBox.text() ? GMessageBox.text() : L"";
}

// The requests of one message letter, in the order the server got them.
std::vector<std::string> withMsg(const std::vector<std::string>& requests, const std::string& letter)
{
    std::vector<std::string> found;
    for (const std::string& request : requests)
        if (request.find("?msg=" + letter + "&") != std::string::npos)
            found.push_back(request.substr(0, request.find(" HTTP/")));
    return found;
}

}  // namespace

TEST_F(StoryTest, StartPutsThePlayerAtTheDoorWithTwoWeaponsTheEmptyHandInUse)
{
    const Spawn& player = plan.spawns.front();
    ASSERT_TRUE(player.player);
    EXPECT_EQ(GmainCamera->getNode()->getPosition(), vector3df(player.x, 100, player.z));
    EXPECT_EQ(GmainCamera->getWeapons().size(), 2u);
    EXPECT_NE(dynamic_cast<NoWeapon*>(GmainCamera->getArma()), nullptr);
    EXPECT_FALSE(GDevice->getCursorControl()->isVisible());
    EXPECT_EQ(state(), firstNinja);
    for (const SceneryEntry& entry : plan.scenery) {
        if (entry.scenery) {
            EXPECT_NE(findGenericObj(entry.name.c_str()), nullptr) << entry.name;
        } else {
            EXPECT_NE(findCollectable(entry.name.c_str()), nullptr) << entry.name;
        }
    }
}

TEST_F(StoryTest, TheTableGroupsStandWhereTheLevelPlanPutsThem)
{
    irr::core::array<irr::scene::ISceneNode*> octrees;
    GSmgr->getSceneNodesFromType(irr::scene::ESNT_OCTREE, octrees);
    std::vector<vector3df> tables;
    for (irr::u32 i = 0; i < octrees.size(); ++i)
        if (octrees[i]->getScale() == vector3df(0.5f))
            tables.push_back(octrees[i]->getPosition());
    std::vector<vector3df> planned;
    for (const PlanPoint& group : plan.tableGroups)
        planned.push_back(vector3df(group.x, group.y, group.z));
    EXPECT_EQ(tables, planned);
    EXPECT_EQ(tables.size(), 9u);
}

TEST_F(StoryTest, TheWholeMissionInTestModeFromTheFirstNinjaToTheVictory)
{
    RecordingServer server("HTTP/1.0 200 OK\r\n\r\n1");
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server.port());
    step();
    ASSERT_TRUE(monsterIs<Ninja>(0, "Ninja0"));
    world.killMonster(0);
    step();
    EXPECT_EQ(world.story().monster(0), nullptr);
    world.touch("Computador");
    steps(2);
    ASSERT_EQ(state(), firstAnswer);
    ASSERT_TRUE(world.questionOnShow());
    EXPECT_EQ(GDialogs.question().text, "free text");
    world.answer("anything: test mode counts it right");
    steps(2);
    for (const char* opened : {"PortaCentroD", "ParedeA", "ParedeF"})
        EXPECT_EQ(findGenericObj(opened), nullptr) << opened;
    ASSERT_TRUE(monsterIs<Ninja>(0, "NinjaEestado1"));
    world.killMonster(0);
    step();
    world.touch("Computador");
    step();
    world.answer();
    step();
    ASSERT_EQ(state(), networkLost);
    EXPECT_NE(std::wstring(shownText()).find(L"Conexao satelite perdida"), std::wstring::npos);
    world.closeMessage();
    step();
    EXPECT_EQ(findGenericObj("PortaSalaB"), nullptr);
    world.pick("Arma");
    step();
    EXPECT_EQ(state(), findPendrive) << "one of the two items is not enough";
    world.pick("Pendrive");
    step();
    ASSERT_TRUE(monsterIs<Spider>(0, "MonstroEestado4"));
    EXPECT_EQ(GmainCamera->getWeapons().size(), 3u);
    world.closeMessage();
    step();
    world.killMonster(0);
    step();
    world.touch("Computador");
    step();
    world.closeMessage();
    step();
    world.advance(3500);
    steps(3);
    ASSERT_EQ(state(), firstTimedAnswer);
    world.answer();
    steps(2);
    world.answer();
    steps(2);
    ASSERT_TRUE(monsterIs<Ninja>(0, "NinjaEestado6"));
    world.killMonster(0);
    steps(2);
    world.answer();
    steps(2);
    ASSERT_EQ(state(), roomGFight);
    EXPECT_EQ(findGenericObj("PortaSalaG"), nullptr);
    ASSERT_TRUE(monsterIs<Spider>(0, "NinjaEestado8a"));
    ASSERT_TRUE(monsterIs<Ninja>(1, "NinjaEestado8b"));
    const vector3df fell = world.story().monster(1)->getNode()->getPosition();
    world.killMonster(1);
    step();
    ASSERT_NE(findCollectable("tool4Antenna"), nullptr);
    EXPECT_EQ(findCollectable("tool4Antenna")->getPosition(), vector3df(fell.X, 50, fell.Z));
    EXPECT_EQ(state(), roomGFight) << "the spider still lives";
    world.killMonster(0);
    steps(3);
    world.closeMessage();
    step();
    world.pick("tool4Antenna");
    step();
    world.touch("Antena");
    step();
    world.closeMessage();
    step();
    world.advance(700);
    step();
    world.closeMessage();
    step();
    world.touch("Computador");
    step();
    world.answer();
    steps(2);
    world.closeMessage();
    steps(2);
    world.answer();
    step();
    ASSERT_EQ(state(), findSwitch);
    const vector3df door = findGenericObj("PortaSalaE")->getNode()->getPosition();
    world.use("InterruptorSala");
    step();
    EXPECT_EQ(findGenericObj("PortaSalaE")->getNode()->getPosition(), door - vector3df(0, 1000, 0));
    ASSERT_TRUE(monsterIs<Ninja>(0, "NinjaCertificado"));
    world.pick("Certificado");
    step();
    world.closeMessage();
    step();
    world.touch("Computador");
    step();
    world.answer();
    steps(3);
    EXPECT_STREQ(shownText(), L"Conseguimos impedir o avanco alienigena!\nParabens!");

    // Every row in the plan's order but the wrong answer's and the capture's.
    std::vector<int> story;
    for (const MissionRow& row : missionPlan())
        if (row.state != computerWrong && row.state != captured)
            story.push_back(row.state);
    EXPECT_EQ(visited, story);
    for (const Doorway& door : plan.doorways) {
        if (door.closed) {
            EXPECT_EQ(openedIn[door.name], door.opensAtState) << door.name;
        }
    }
    for (const Spawn& spawn : plan.spawns) {
        if (!spawn.player) {
            EXPECT_EQ(madeAt(spawn.name), std::to_string(int(spawn.x)) + "," + std::to_string(int(spawn.z)))
                << spawn.name;
        }
    }
    const std::string log = world.log();
    size_t at = 0;
    for (size_t i = 1; i < story.size(); ++i) {
        at = log.find(std::string(50, '=') + "\nStory::state = " + std::to_string(story[i]) + "\n", at);
        ASSERT_NE(at, std::string::npos) << "no banner for state " << story[i];
    }
    EXPECT_EQ(count("Story::state = "), story.size() - 1);
    EXPECT_EQ(GmainCamera->getLife(), 100) << "test mode counts every answer right";
    GquizWorker.post([] { return std::string(); }).wait();
    EXPECT_TRUE(server.requests().empty()) << "test mode reports nothing: " << server.requests().front();
    world.closeMessage();
    EXPECT_EXIT(world.frame(), ::testing::ExitedWithCode(0), "");
}

TEST_F(StoryTest, HintShowsNineSecondsInComesBackThirteenAfterClosingAndGoesWithTheState)
{
    step();
    world.advance(8950);
    step();
    EXPECT_EQ(GMessageBox.text(), nullptr);
    world.advance(100);
    step();
    EXPECT_NE(std::wstring(shownText()).find(L"Destrua os robos"), std::wstring::npos);
    world.closeMessage();
    step();
    world.advance(12900);
    step();
    EXPECT_EQ(GMessageBox.text(), nullptr);
    world.advance(200);
    step();
    EXPECT_NE(std::wstring(shownText()).find(L"Destrua os robos"), std::wstring::npos);
    world.killMonster(0);
    steps(2);
    EXPECT_EQ(state(), firstTouch);
    EXPECT_EQ(GMessageBox.text(), nullptr) << "a state change takes the hint away";
    EXPECT_EQ(count("Story::state = " + std::to_string(firstTouch)), 1u);

    world.story().setState(firstQuestion);
    step();
    world.advance(60000);
    steps(2);
    EXPECT_TRUE(world.questionOnShow());
    EXPECT_EQ(GMessageBox.text(), nullptr) << "no hint over a question";
}

TEST_F(StoryTest, ATimedQuestionLeftThirtySecondsIsReplacedWithoutCountingAsAnAnswer)
{
    for (int ask : {firstTimedQuestion, secondTimedQuestion, roomGQuestion}) {
        const int answering = missionRow(ask)->next;
        world.story().setState(ask);
        steps(2);
        const size_t asked = count("Story::download_and_show_problem");
        world.advance(29940);
        step();
        EXPECT_EQ(state(), answering);
        world.advance(40);
        step();
        EXPECT_EQ(state(), ask) << "timed out";
        step();
        EXPECT_EQ(state(), answering) << ask;
        EXPECT_EQ(count("Story::download_and_show_problem"), asked + 1) << ask;
        EXPECT_TRUE(world.questionOnShow());
    }
    EXPECT_EQ(GmainCamera->getLife(), 100);
}

TEST_F(StoryTest, CaptureReplacesTheQuestionAndTheMessageAndEndsWithStatusZero)
{
    world.story().setState(firstQuestion);
    steps(2);
    ASSERT_TRUE(world.questionOnShow());
    GmainCamera->gotShoot(1000, vector3df(0, 0, 0), vector3df(0, 0, 0));
    EXPECT_EQ(state(), captured);
    step();
    EXPECT_EQ(state(), theEnd);
    EXPECT_FALSE(world.questionOnShow());
    EXPECT_STREQ(shownText(), L"Voce foi capturado! Fim da linha.");
    world.closeMessage();
    EXPECT_EXIT(world.frame(), ::testing::ExitedWithCode(0), "");
}

TEST_F(StoryTest, ChronoAndMissingNames)
{
    world.story().startChrono();
    world.advance(30000);
    EXPECT_FALSE(world.story().passedMiliSeconds(30000));
    world.advance(1);
    EXPECT_TRUE(world.story().passedMiliSeconds(30000));

    // A door already open is said in the log and passed over.
    findGenericObj("PortaSalaG")->destroy();
    world.story().setState(openRoomG);
    step();
    EXPECT_EQ(state(), roomGFight);
    EXPECT_EQ(count("Story: no scenery object PortaSalaG in the scenery list"), 1u);
}

TEST(MissionSteps, EveryStateOfThePlanHasAStepAndNoOtherNumberHasOne)
{
    for (const MissionRow& row : missionPlan())
        EXPECT_NE(missionStep(row.state), nullptr) << row.state;
    EXPECT_EQ(missionStep(5), nullptr);
}

TEST(SceneryListLoad, AListThatCannotBeOpenedEndsTheGameWithItsName)
{
    EXPECT_EXIT(load_collectables("/nowhere/lista.txt"), ::testing::ExitedWithCode(1), "");
    // (the reason goes to the console and the log, which a child process keeps to itself)
}

// The log-on refused, then accepted; a question answered right; a question whose reply comes after the
// mission gave up on it is dropped. The frames go on all the while.
TEST(StoryAgainstAServer, TheLogOnIsCheckedAndRepliesTheMissionMovedPastAreDropped)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int logons = 0;
    int questions = 0;
    RecordingServer server([&](const std::string& request) -> std::string {
        if (request.find("msg=l") != std::string::npos)
            return ++logons == 1 ? "HTTP/1.0 403 Forbidden\r\n\r\n0\tUsuario ou senha invalidos" : "HTTP/1.0 200 OK\r\n\r\n1";
        if (request.find("msg=p") != std::string::npos && ++questions == 2)
            released.wait();
        if (request.find("msg=p") != std::string::npos)
            return "HTTP/1.0 200 OK\r\n\r\n1Q00" + std::to_string(questions) + "Quanto vale meia duzia?";
        return "HTTP/1.0 200 OK\r\n\r\n1";
    });
    MissionWorld world;
    world.open(false);
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server.port());
    std::strcpy(GUser.usuario, "ana");
    std::strcpy(GUser.senha, "errada");
    GDialogs.fillLogon();

    ASSERT_TRUE(world.framesUntil([] { return shownTexts().find(L"Usuario ou senha invalidos") != std::wstring::npos; }));
    EXPECT_NE(shownTexts().find(L"|ana|"), std::wstring::npos) << "the name is kept";
    EXPECT_EQ(world.story().monster(0), nullptr) << "the mission waits for the log-on";
    world.answer("bia");
    ASSERT_TRUE(world.framesUntil([&] { return world.story().monster(0) != nullptr; }));
    EXPECT_EQ(logons, 2);
    EXPECT_NE(withMsg(server.requests(), "l").back().find("msg=l&username=bia&password="), std::string::npos);

    world.story().setState(3);
    ASSERT_TRUE(world.framesUntil([&] { return world.questionOnShow(); }));
    EXPECT_EQ(GDialogs.question().id, "Q001");
    world.answer("6");
    world.frame();
    EXPECT_FALSE(world.questionOnShow()) << "the window goes while the verdict comes";
    EXPECT_EQ(world.story().getState(), 4);
    ASSERT_TRUE(world.framesUntil([&] { return world.story().getState() == 10; }));
    EXPECT_EQ(GmainCamera->getLife(), 100);

    // The second question is held by the server past the question's thirty seconds: asked again, the
    // third is the one shown.
    world.story().setState(50);
    world.frame();
    ASSERT_TRUE(world.framesUntil([&] { return withMsg(server.requests(), "p").size() == 2; }));
    world.advance(30000);
    world.frames(2);
    release.set_value();
    ASSERT_TRUE(world.framesUntil([&] { return world.questionOnShow(); }));
    EXPECT_EQ(GDialogs.question().id, "Q003");
    EXPECT_EQ(world.story().getState(), 51);

    // Each stage entered was reported with its teacher's name and the seconds since the log-on (the clock
    // set forward by thirty seconds counts), the timed question asked again too; then a blow. (State 10 was
    // left before any frame saw it.)
    GmainCamera->setLife(80);
    world.frame();
    GquizWorker.post([] { return std::string(); }).wait();
    const std::string prefix = "GET /play.php?msg=e&username=bia&password=&event=";
    EXPECT_EQ(withMsg(server.requests(), "e"),
              (std::vector<std::string>{
                  prefix + "stage&stage=1&title=enfrentando%20o%20primeiro%20rob%f4&life=100&time=0",
                  prefix + "stage&stage=3&title=recebendo%20a%20primeira%20quest%e3o&life=100&time=0",
                  prefix + "stage&stage=4&title=respondendo%20%e0%20primeira%20quest%e3o&life=100&time=0",
                  prefix + "stage&stage=50&title=recebendo%20quest%e3o%20com%20tempo&life=100&time=0",
                  prefix + "stage&stage=51&title=respondendo%20quest%e3o%20com%20tempo&life=100&time=0",
                  prefix + "stage&stage=50&title=recebendo%20quest%e3o%20com%20tempo&life=100&time=30",
                  prefix + "stage&stage=51&title=respondendo%20quest%e3o%20com%20tempo&life=100&time=30",
                  prefix + "life&stage=51&title=respondendo%20quest%e3o%20com%20tempo&life=80&time=30",
              }));
    world.close();
}
