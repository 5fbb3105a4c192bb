// The mission: builds the station, hands the player his first weapons and runs the story, one step a frame,
// from the first ninja to the victory or the capture.
#pragma once

#include <irrlicht.h>
#include <string>
#include <vector>

#include "mission/HintTimer.h"
#include "mission/LogonCheck.h"
#include "net/PendingReply.h"
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
    void exec() override { state0(); }

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
    void state0();
    void stepState();

    // What the states wait for and do.
    bool monsterDied(const char* name);
    bool objectSignalled(const char* name);
    void message(const wchar_t* text);
    bool messageClosed() const;
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
    int oldstate = -1;
    int counter = 0;
    // A notice of the server, shown like a question but never answered.
    bool _notice = false;
    // When the question is to be asked again after the server failed; 0 when no retry is due.
    irr::u32 _retryAt = 0;

    LogonCheck _logon;
    // What the question cycle waits for from the server, if anything.
    enum class Awaiting { nothing, question, verdict };
    Awaiting _awaiting = Awaiting::nothing;
    PendingReply _reply;
    ConnectingLine _connecting;
};
