#include "WallClock.h"

namespace quizd {
namespace {

// Milliseconds from the steady clock's zero to the wall clock's, taken once: a time converted there and
// back, or two times compared after converting, come out exact within the process.
long long offsetMs()
{
    using namespace std::chrono;
    static const long long offset = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() -
                                    duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return offset;
}

}

long long WallClock::ms(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() + offsetMs();
}

std::chrono::steady_clock::time_point WallClock::steady(long long ms)
{
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(ms - offsetMs()));
}

}
