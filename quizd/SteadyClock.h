// The time that expiring things (teachers' sessions, remembered log-ons) read: the steady clock in the
// server, a clock that moves only when told in the tests.
#pragma once
#include <chrono>
#include <functional>

namespace quizd {

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

}
