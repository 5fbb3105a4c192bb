// The game's clock: the device's timer, held still while the game is paused. Real time (the agenda, the
// hints, the chronometer, the death timers) and virtual time (the brains, the walks, the animations) both
// stand while it is held and go on from where they stood.
#pragma once

#include <irrlicht.h>

class PausableTimer : public irr::ITimer {
public:
    explicit PausableTimer(irr::ITimer* device) : _device(device) {}

    void pause();
    void resume();
    bool isPaused() const { return _paused; }

    irr::u32 getRealTime() const override;
    RealTimeDate getRealTimeAndDate() const override { return _device->getRealTimeAndDate(); }
    irr::u32 getTime() const override { return _device->getTime(); }
    void setTime(irr::u32 time) override { _device->setTime(time); }
    void stop() override { _device->stop(); }
    void start() override { _device->start(); }
    void setSpeed(irr::f32 speed) override { _device->setSpeed(speed); }
    irr::f32 getSpeed() const override { return _device->getSpeed(); }
    bool isStopped() const override { return _device->isStopped(); }
    void tick() override { _device->tick(); }

private:
    irr::ITimer* _device;
    bool _paused = false;
    irr::u32 _pausedAt = 0;
    irr::u32 _held = 0;  // real time spent paused so far
};
