// The mission: builds the station, hands the player his first weapons and runs the story, one step a frame,
// from the first ninja to the victory or the capture.
#pragma once

#include <irrlicht.h>
#include <string>
#include <vector>

#include "mission/HintTimer.h"
#include "mission/LogonCheck.h"
#include "mission/MissionReport.h"
#include "mission/MissionSteps.h"
#include "net/PendingReply.h"
#include "net/Question.h"
#include "shell/Executable.h"
#include "ui/ConnectingLine.h"

class Brain1;
class CBillboard;
class NPC;
class Sound;

class Story : public Executable {
public:
    static constexpr int slots = 5;
    // How long the mission waits before asking the quiz server again after it could not be reached.
    static constexpr irr::u32 retryDelay = 5000;

    Story();
    ~Story() override;
    Story(const Story&) = delete;
    Story& operator=(const Story&) = delete;

    void start();
    void exec() override;

    void setState(int state) { _state = state; }
    int getState() const { return _state; }
    void loadScenery(int i);

    void startChrono();
    bool passedMiliSeconds(int t) const;
    // A one-shot sound of the media's sound folder, heard where the player stands.
    void sound(const irr::core::stringc& s);
    // A ninja (type 0) or a spider in slot `number`, standing at (x, 3, y); nothing when the slot is taken.
    void createMonster(int type, int number, int x, int y, const irr::core::stringc& name);
    NPC* monster(int slot) const { return _ninja[slot]; }

    void download_and_show_problem();
    void wait_answer_and_switch(int good, int bad);
    void showHint();

private:
    friend MissionStep missionStep(int state);

    void state0();
    void stepState();

    // The mission's steps (mission/MissionSteps.h): each waits for its event, acts once and moves on.
    void goOn(const MissionRow& row) { _state = row.next; }
    void fightFirstNinja(const MissionRow& row);
    void awaitComputer(const MissionRow& row);
    void askNow(const MissionRow& row);
    void answer(const MissionRow& row);
    void openEastYard(const MissionRow& row);
    void slayYardNinja(const MissionRow& row);
    void computerAsks(const MissionRow& row);
    void answerThenTell(const MissionRow& row);
    void openRoomB(const MissionRow& row);
    void collectPendrive(const MissionRow& row);
    void afterMessage(const MissionRow& row);
    void slaySpider(const MissionRow& row);
    void installPendrive(const MissionRow& row);
    void softwareRuns(const MissionRow& row);
    void awaitCode(const MissionRow& row);
    void askTimed(const MissionRow& row);
    void answerTimed(const MissionRow& row);
    void sendNinja(const MissionRow& row);
    void slayNinja(const MissionRow& row);
    void openRoomG(const MissionRow& row);
    void fightRoomG(const MissionRow& row);
    void announceTool(const MissionRow& row);
    void takeTool(const MissionRow& row);
    void tuneAntenna(const MissionRow& row);
    void startDownload(const MissionRow& row);
    void download(const MissionRow& row);
    void announce(const MissionRow& row);
    void openRoomE(const MissionRow& row);
    void takeCertificate(const MissionRow& row);
    void finish(const MissionRow& row);
    void capture(const MissionRow& row);

    // What the steps wait for and do.
    bool monsterDied(const char* name);
    // The monster of slot 0 died: it leaves, and so does what it put on the board; the mission goes on.
    // `logLine`, when given, marks its end in the log.
    void slayInFirstSlot(const MissionRow& row, const char* monster, const char* logLine);
    bool objectSignalled(const char* name);
    void message(const wchar_t* text);
    bool messageClosed() const;
    bool messageRead(const MissionRow& row);
    void destroyScenery(const char* name);
    void killSlot(int n);
    void ask() { download_and_show_problem(); }
    void timedAnswer(int again, int good);
    void firstFrame();
    void playMusic();
    void dropAntennaTool();

    // The mission starts once the server accepted the log-on; test mode needs none.
    bool loggedOn();

    // The question cycle's replies, taken when they come; the frames go on meanwhile.
    void takeQuestion();
    void sendTheAnswer();
    void takeVerdict(int good, int bad);
    void judge(const std::vector<std::string>& verdict, int good, int bad);
    // The mission moved past the question: a reply still on its way is dropped.
    void forgetReply();

    // The question cycle's ways out when the quiz server does not give a question or a verdict.
    void serverUnreachable();
    bool retryPending();
    bool countAttempt(int good);

    CBillboard* _goodBill = nullptr;
    CBillboard* _badBill = nullptr;
    Brain1* _brain1[slots] = {};
    NPC* _ninja[slots] = {};
    int _state = 0;
    int _skip_to_state = 0;
    irr::u32 _timeToGo = 0;

    bool flag_hint_enabled = true;
    Sound* _music = nullptr;
    HintTimer _hints;
    irr::core::vector3df posPortaSalaE;
    bool _first = true;

    // Attempts at one question stage: the third passes.
    int _lastVerdict = -1;
    int _repeats = 0;
    // The question asked last: the answer goes with its id.
    Question _question;
    // A notice of the server, shown like a question but never answered.
    bool _notice = false;
    // When the question is to be asked again after the server failed; 0 when no retry is due.
    irr::u32 _retryAt = 0;

    LogonCheck _logon;
    MissionReport _report;
    // What the question cycle waits for from the server, if anything.
    enum class Awaiting { nothing, question, verdict };
    Awaiting _awaiting = Awaiting::nothing;
    PendingReply _reply;
    ConnectingLine _connecting;
};

// The mission, made by main once the engine is up.
extern Story* GStory;
