// The mission's states: each waits for its event, acts once and moves on.
#include <memory>
#include <string>

#include "ai/NPC.h"
#include "messaging/Blackboard.h"
#include "mission/Story.h"
#include "platform/LogFile.h"
#include "platform/Sound.h"
#include "platform/SoundEngine.h"
#include "player/Camera.h"
#include "player/Varinha.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "world/Collectable.h"
#include "world/GenericObj.h"
#include "world/Inventory.h"
#include "world/Map.h"

using irr::core::vector3df;

namespace {

const irr::s32 DeathCode = 3;
const int QuestionTimeout = 30000;

void log(const char* line)
{
    GLog.writelf(line);
}

void clearBoard()
{
    GBlackboard.clear();
}

bool holds(const char* item)
{
    return GInventory.contains(item);
}

// A name the scenery list did not provide is the data's fault: said in the log, and the step goes on.
GenericObj* scenery(const char* name)
{
    GenericObj* found = findGenericObj(name);
    if (!found)
        GLog.writelf((std::string("Story: no scenery object ") + name + " in the scenery list").c_str());
    return found;
}

}  // namespace

void Story::exec()
{
    state0();
}

void Story::state0()
{
    _connecting.show(_logon.slow(GTimer->getRealTime()) || _reply.slow(GTimer->getRealTime()));
    if (!loggedOn())
        return;
    _hints.frame(_state, flag_hint_enabled, [this] { showHint(); });
    _report.frame(_state, GmainCamera->getLife(), GTimer->getRealTime());
    stepState();
}

bool Story::monsterDied(const char* name)
{
    irr::s32 code = 0;
    irr::core::stringc parm;
    return GBlackboard.queryAndDelete(name, code, parm) && code == DeathCode;
}

void Story::slayInFirstSlot(const MissionRow& row, const char* monster, const char* logLine)
{
    if (!monsterDied(monster))
        return;
    if (logLine)
        log(logLine);
    killSlot(0);
    clearBoard();
    goOn(row);
}

bool Story::objectSignalled(const char* name)
{
    irr::s32 code = 0;
    irr::core::stringc parm;
    return GBlackboard.queryAndDelete(name, code, parm) != nullptr;
}

bool Story::messageClosed() const
{
    return GDialogs.closedMessageBox();
}

void Story::destroyScenery(const char* name)
{
    if (GenericObj* door = scenery(name))
        door->destroy();
}

// A question left unanswered too long is taken away and another asked; that is no answer.
void Story::timedAnswer(int again, int good)
{
    if (!passedMiliSeconds(QuestionTimeout)) {
        wait_answer_and_switch(good, again);
        return;
    }
    GDialogs.CloseDialog();
    forgetReply();
    _state = again;
}

void Story::playMusic()
{
    if (!Gconfig.music || !GSound)
        return;
    _music =
        GSound->play2D((Gexepath + "\\Media\\Sound\\Brelvan_-_02_-_Quorvex.mp3").c_str(), true, false, true);
    if (_music)
        _music->setVolume(0.1f);
}

void Story::firstFrame()
{
    if (GenericObj* door = scenery("PortaSalaE"))
        posPortaSalaE = door->getNode()->getPosition();
    playMusic();
    for (int slot = 0; slot < slots; ++slot)
        killSlot(slot);
    createMonster(0, 0, -300, 300, "Ninja0");
    _first = false;
}

// The antenna tool falls where the ninja died, lifted to where the player can walk into it.
void Story::dropAntennaTool()
{
    vector3df at = _ninja[1]->getNode()->getPosition();
    at.Y = 50;
    log("going kill ninjaeestado8B ");
    killSlot(1);
    GcurrentMap->keep(std::make_unique<Collectable>(
        "tool4Antenna", Gexepath + "\\media\\shtangentzcirkul.3DS", "-", Gexepath + "\\media\\sound\\futurebeep3.wav",
        "collision=10,rotate", at, vector3df(0, 0, 0), vector3df(10, 10, 10)));
}

void Story::stepState()
{
    const MissionRow* row = missionRow(_state);
    const MissionStep step = missionStep(_state);
    if (row && step)
        (this->*step)(*row);
}

// The message of a state is closed: the board is cleared of what came meanwhile and the mission goes on.
bool Story::messageRead(const MissionRow& row)
{
    if (!messageClosed())
        return false;
    clearBoard();
    goOn(row);
    return true;
}

void Story::afterMessage(const MissionRow& row)
{
    messageRead(row);
}

void Story::fightFirstNinja(const MissionRow& row)
{
    if (_first)
        firstFrame();
    if (monsterDied("Ninja0")) {
        log("going kill ninja0 ");
        killSlot(0);
        goOn(row);
    }
}

void Story::awaitComputer(const MissionRow& row)
{
    if (objectSignalled("Computador"))
        goOn(row);
}

void Story::askNow(const MissionRow& row)
{
    ask();
    goOn(row);
}

void Story::answer(const MissionRow& row)
{
    wait_answer_and_switch(row.next, row.back);
}

void Story::openEastYard(const MissionRow& row)
{
    destroyScenery("PortaCentroD");
    destroyScenery("ParedeA");
    destroyScenery("ParedeF");
    sound("door_sliding.wav");
    createMonster(0, 0, -115, 500, "NinjaEestado1");
    _ninja[0]->getNode()->setRotation(_ninja[0]->getNode()->getRotation() + vector3df(0, 180, 0));
    goOn(row);
}

void Story::slayYardNinja(const MissionRow& row)
{
    slayInFirstSlot(row, "NinjaEestado1", "going kill ninjaestado1 ");
}

void Story::computerAsks(const MissionRow& row)
{
    if (objectSignalled("Computador")) {
        clearBoard();
        ask();
        goOn(row);
    }
}

void Story::answerThenTell(const MissionRow& row)
{
    wait_answer_and_switch(row.next, row.back);
    if (_state == row.next)
        message(row.message);
}

void Story::openRoomB(const MissionRow& row)
{
    if (messageRead(row)) {
        destroyScenery("PortaSalaB");
        sound("door_sliding.wav");
    }
}

void Story::collectPendrive(const MissionRow& row)
{
    if (holds("Arma") && holds("Pendrive")) {
        GmainCamera->pegarArma(new Varinha());
        createMonster(1, 0, 500, 300, "MonstroEestado4");
        message(row.message);
        goOn(row);
    }
}

void Story::slaySpider(const MissionRow& row)
{
    slayInFirstSlot(row, "MonstroEestado4", "going kill MonstroEesatdo4 ");
}

void Story::installPendrive(const MissionRow& row)
{
    if (objectSignalled("Computador")) {
        message(row.message);
        clearBoard();
        goOn(row);
    }
}

void Story::softwareRuns(const MissionRow& row)
{
    if (messageRead(row)) {
        log("ok");
        sound("XPstartup.wav");
        startChrono();
    }
}

void Story::awaitCode(const MissionRow& row)
{
    if (passedMiliSeconds(3500))
        goOn(row);
}

// The time to answer runs from when the question is on show.
void Story::askTimed(const MissionRow& row)
{
    ask();
    startChrono();
    goOn(row);
}

void Story::answerTimed(const MissionRow& row)
{
    timedAnswer(row.back, row.next);
}

void Story::sendNinja(const MissionRow& row)
{
    createMonster(0, 0, 500, 300, "NinjaEestado6");
    goOn(row);
}

void Story::slayNinja(const MissionRow& row)
{
    slayInFirstSlot(row, "NinjaEestado6", nullptr);
}

void Story::openRoomG(const MissionRow& row)
{
    destroyScenery("PortaSalaG");
    sound("door_sliding.wav");
    createMonster(1, 0, 711, -245, "NinjaEestado8a");
    createMonster(0, 1, 900, -400, "NinjaEestado8b");
    clearBoard();
    goOn(row);
}

// Each of the two monsters may fall first; the mission goes on when both are gone.
void Story::fightRoomG(const MissionRow& row)
{
    if (monsterDied("NinjaEestado8a")) {
        log("going kill ninjaeestado8A ");
        killSlot(0);
        clearBoard();
    } else if (monsterDied("NinjaEestado8b")) {
        dropAntennaTool();
        clearBoard();
    } else if (!_ninja[0] && !_ninja[1]) {
        goOn(row);
    }
}

void Story::announceTool(const MissionRow& row)
{
    clearBoard();
    announce(row);
}

void Story::takeTool(const MissionRow& row)
{
    if (holds("tool4Antenna")) {
        clearBoard();
        goOn(row);
    }
}

void Story::tuneAntenna(const MissionRow& row)
{
    if (objectSignalled("Antena")) {
        sound("tuning.wav");
        message(row.message);
        clearBoard();
        goOn(row);
    }
}

void Story::startDownload(const MissionRow& row)
{
    if (messageClosed()) {
        startChrono();
        goOn(row);
    }
}

void Story::download(const MissionRow& row)
{
    if (passedMiliSeconds(700)) {
        message(row.message);
        clearBoard();
        goOn(row);
    }
}

void Story::announce(const MissionRow& row)
{
    message(row.message);
    goOn(row);
}

// The door of room E sinks into the floor.
void Story::openRoomE(const MissionRow& row)
{
    if (objectSignalled("InterruptorSala")) {
        clearBoard();
        createMonster(0, 0, 800, 800, "NinjaCertificado");
        sound("door_sliding.wav");
        if (GenericObj* door = scenery("PortaSalaE"))
            door->getNode()->setPosition(posPortaSalaE - vector3df(0, 1000, 0));
        goOn(row);
    }
}

void Story::takeCertificate(const MissionRow& row)
{
    if (holds("Certificado"))
        announce(row);
}

// The game closes once the teacher's page was told, or told in vain.
void Story::finish(const MissionRow&)
{
    if (messageClosed() && _report.endDelivered(GTimer->getRealTime())) {
        clearBoard();
        endGame();
    }
}

// The capture takes away a question on show too, so the message can be closed.
void Story::capture(const MissionRow& row)
{
    GDialogs.CloseDialog();
    forgetReply();
    announce(row);
}
