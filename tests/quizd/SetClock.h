// A clock for quizd's expiring things that moves only when the test moves it; the server's threads may
// read it meanwhile.
#pragma once
#include "SteadyClock.h"

#include <atomic>
#include <chrono>

class SetClock {
public:
    quizd::SteadyNow now()
    {
        return [this] { return start_ + std::chrono::milliseconds(elapsed_.load()); };
    }
    void advance(std::chrono::milliseconds by) { elapsed_ += by.count(); }

private:
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::atomic<long long> elapsed_{0};
};
