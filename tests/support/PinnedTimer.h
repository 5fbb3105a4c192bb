// A device timer whose real time stands still until the test moves it, for time-driven code.
#pragma once

#include <irrlicht.h>

class PinnedTimer : public irr::ITimer {
public:
    explicit PinnedTimer(irr::u32 now) : _now(now) {}

    void set(irr::u32 now) { _now = now; }

    irr::u32 getRealTime() const override { return _now; }
    RealTimeDate getRealTimeAndDate() const override { return RealTimeDate(); }
    irr::u32 getTime() const override { return _now; }
    void setTime(irr::u32 time) override { _now = time; }
    void stop() override {}
    void start() override {}
    void setSpeed(irr::f32) override {}
    irr::f32 getSpeed() const override { return 1.0f; }
    bool isStopped() const override { return false; }
    void tick() override {}

private:
    irr::u32 _now;
};
