// Holds the frame loop to at most so many frames a second, so that an idle game does not burn a whole core.
#include "app/FrameLimiter.h"

#include <thread>

FrameLimiter::FrameLimiter(int maxFps)
    : _period(maxFps > 0 ? std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / maxFps
                         : Clock::duration::zero()),
      _next(Clock::now())
{
}

void FrameLimiter::wait()
{
    if (_period == Clock::duration::zero())
        return;
    _next += _period;
    const Clock::time_point now = Clock::now();
    // A frame that ran late does not earn a burst of short ones after it.
    if (_next < now - _period)
        _next = now;
    std::this_thread::sleep_until(_next);
}
