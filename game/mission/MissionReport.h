// What the mission tells the teacher's page, once a frame: the stage it enters, the life after a blow, a
// capture, the victory and the end, each with the seconds since log-on. The reports go through the request
// worker and nobody waits for their replies; test mode reports nothing.
#pragma once

#include <future>
#include <string>

#include "net/QuizWorker.h"

struct MissionRow;

class MissionReport {
public:
    // How long the end of the game may wait for its report to leave.
    static constexpr unsigned endWait = 2000;

    // Runs once a frame from the log-on on, with the mission's state and the player's life.
    void frame(int state, float life, unsigned now);
    // The end was reported and its request is done, or it is given up on: the game may close.
    bool endDelivered(unsigned now) const;

private:
    void enter(int state, unsigned now);
    void report(const char* event, unsigned now) const;
    QuizWorker::Request request(const char* event, unsigned now) const;

    bool _started = false;
    unsigned _loggedOnAt = 0;
    int _state = 0;
    int _life = 0;
    // The last stage entered: a capture, the victory and the end are reported with it.
    const MissionRow* _stage = nullptr;
    std::future<std::string> _end;
    unsigned _endAt = 0;
};
