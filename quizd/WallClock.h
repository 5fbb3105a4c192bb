// Times several servers compare: a server's steady clock is its own, so what goes into the shared
// database is milliseconds of the wall clock (the servers keep theirs in step, as every NTP-run
// machine does), and comes back as a point of the reading server's steady clock.
#pragma once
#include <chrono>

namespace quizd {

class WallClock {
public:
    static long long ms(std::chrono::steady_clock::time_point t);
    static std::chrono::steady_clock::time_point steady(long long ms);
};

}
