#include "shell/PausableTimer.h"

void PausableTimer::pause()
{
    if (_paused)
        return;
    _paused = true;
    _pausedAt = _device->getRealTime();
    _device->stop();
}

void PausableTimer::resume()
{
    if (!_paused)
        return;
    _paused = false;
    _held += _device->getRealTime() - _pausedAt;
    _device->start();
}

irr::u32 PausableTimer::getRealTime() const
{
    return (_paused ? _pausedAt : _device->getRealTime()) - _held;
}
