// The reply the frame waits for: one request at a time, polled across frames; posting another or
// forgetting it drops a reply still on its way.
#pragma once

#include <future>
#include <string>

#include "net/QuizWorker.h"

class PendingReply {
public:
    // How long a request may be out before the player is told the game is waiting for the server.
    static constexpr unsigned slowAfter = 500;

    void post(QuizWorker& worker, QuizWorker::Request request, unsigned now);
    bool waiting() const { return _reply.valid(); }
    // True once the reply came; the worker's log lines are written first.
    bool ready(QuizWorker& worker) const;
    // The reply, or what the request raised; nothing is waited for afterwards.
    std::string take();
    void forget() { _reply = {}; }
    // Out for longer than slowAfter at time now.
    bool slow(unsigned now) const { return waiting() && now - _postedAt >= slowAfter; }

private:
    std::future<std::string> _reply;
    unsigned _postedAt = 0;
};
