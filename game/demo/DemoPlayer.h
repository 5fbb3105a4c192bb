// The automatic player: plays the mission in the real window with a student's means only (keys, mouse
// turns and clicks, the dialog windows), and reports how long it took.
#pragma once

#include <functional>
#include <irrlicht.h>
#include <map>
#include <string>

#include "demo/AnswerBook.h"
#include "demo/Controls.h"
#include "demo/DialogDriver.h"
#include "demo/MissionGoals.h"
#include "demo/RouteFollower.h"
#include "shell/Executable.h"

class DemoPlayer : public Executable {
public:
    // missionState: the state the mission is in. letMonstersWin: the player seeks the monsters out and
    // never fights back, to play the mission's capture.
    DemoPlayer(std::function<int()> missionState, AnswerBook answers, bool letMonstersWin);
    ~DemoPlayer() override { drop(); }

    // Called on every frame of the log-on phase, before the game runs: fills in the log-on window.
    void logonFrame();
    void exec() override;

private:
    bool handleDialogs(irr::u32 now);
    bool handleMessage(irr::u32 now);
    void answer(const ShownQuestion& shown);
    void play(const Goal& goal, irr::u32 now);
    void giveUp(irr::u32 now);
    bool fight(bool hunt, irr::u32 now);
    void engage(const irr::core::vector3df& centre, irr::u32 now);
    void touch(const char* name, irr::u32 now);
    void collect(const Goal& goal, irr::u32 now);
    void walkTo(const irr::core::vector3df& target, irr::f32 reach, irr::u32 now);
    void useAt(const irr::core::vector3df& centre, irr::u32 now);
    void noteState(int state, irr::u32 now);
    void report(int state, irr::u32 now);

    std::function<int()> _missionState;
    AnswerBook _answers;
    bool _letMonstersWin;
    Controls _controls;
    DialogDriver _dialogs;
    RouteFollower _route;
    bool _loggingOn = false;
    bool _answering = false;
    std::map<int, int> _answersGiven;  // per mission state
    irr::u32 _messageSeen = 0;
    std::wstring _messageRead;
    irr::u32 _answeredAt = 0;
    irr::u32 _nextUse = 0;
    irr::u32 _started = 0;
    irr::u32 _frames = 0;
    int _state = 0;
    bool _reported = false;
};
