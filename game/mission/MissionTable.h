// The mission as data: its states by name and one row per state with what the state does, what it tells
// the player, what the automatic player aims at there and how the teacher's page calls it.
#pragma once

#include <vector>

namespace mission {

// The values are those the log's banner shows ("Story::state = 30"); each is written here only.
enum State : int {
    firstNinja = 1,
    firstTouch = 2,
    firstQuestion = 3,
    firstAnswer = 4,
    openEastYard = 10,
    yardNinja = 11,
    networkTouch = 20,
    networkAnswer = 21,
    networkLost = 22,
    findPendrive = 30,
    installOrder = 31,
    spiderFight = 40,
    installSoftware = 41,
    softwareInstalled = 42,
    awaitCode = 43,
    firstTimedQuestion = 50,
    firstTimedAnswer = 51,
    secondTimedQuestion = 52,
    secondTimedAnswer = 53,
    sendNinja = 60,
    ninjaFight = 61,
    roomGQuestion = 70,
    roomGAnswer = 71,
    openRoomG = 80,
    roomGFight = 81,
    toolFound = 90,
    toolNotice = 91,
    takeTool = 92,
    tuneAntenna = 100,
    signalBack = 101,
    download = 102,
    softwareDamaged = 103,
    checkComputer = 104,
    computerAnswer = 105,
    computerWrong = 110,
    needCertificate = 120,
    certificateNotice = 121,
    switchQuestion = 130,
    switchAnswer = 140,
    findSwitch = 150,
    findCertificate = 160,
    certificateFound = 170,
    certifyComputer = 180,
    finalAnswer = 190,
    victory = 200,
    theEnd = 210,
    captured = 999,
};

}  // namespace mission

// What the automatic player does in a state.
enum class GoalKind {
    wait,     // nothing to do but read, answer and fight what comes
    fight,    // hunt the monsters down
    touch,    // go to a scenery object and use it with the empty hand
    collect,  // walk over the collectables, in order, that are not held yet
};

struct Goal {
    GoalKind kind = GoalKind::wait;
    std::vector<const char*> targets;
};

class Story;
struct MissionRow;
// What a state waits for and does, once a frame.
using MissionStep = void (Story::*)(const MissionRow&);

struct MissionRow {
    mission::State state;
    const char* teacherName;  // where the student stands, in Portuguese (UTF-8), for the teacher's page
    MissionStep step;
    mission::State next;               // where the step leads
    mission::State back = {};          // where a wrong answer or a question left too long leads
    const wchar_t* message = nullptr;  // what the state tells the player in the message box
    const wchar_t* hint = nullptr;     // what a player who seems stuck is told
    Goal demo = {};                    // what the automatic player aims at
    int wrongOnPurpose = 0;  // answers the automatic player gets wrong here, to play the wrong-answer path
};

// The rows in the order of the story, the victory before the capture.
const std::vector<MissionRow>& missionTable();
// The row of `state`, or null for a number that is no state: such a state does nothing.
const MissionRow* missionRow(int state);
