// The log-on, checked with the quiz server before the mission starts. The game goes on meanwhile; a
// refusal or no answer brings the log-on window back, and its ok asks again.
#pragma once

#include "net/PendingReply.h"

class LogonCheck {
public:
    // Runs once a frame until it is true: the server accepted the log-on.
    bool passed(unsigned now);
    // The log-on is out and has not been answered for a while.
    bool slow(unsigned now) const { return _reply.slow(now); }

private:
    enum class Step { ask, wait, window, passed };

    void ask(unsigned now);
    void read();

    Step _step = Step::ask;
    PendingReply _reply;
};
