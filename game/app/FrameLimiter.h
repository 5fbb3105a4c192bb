// Holds the frame loop to at most so many frames a second, so that an idle game does not burn a whole core.
#pragma once

#include <chrono>

class FrameLimiter {
public:
    // 0 or less: no limit, wait() returns at once.
    explicit FrameLimiter(int maxFps);
    // Sleeps until the next frame is due.
    void wait();

private:
    using Clock = std::chrono::steady_clock;
    Clock::duration _period;
    Clock::time_point _next;
};
