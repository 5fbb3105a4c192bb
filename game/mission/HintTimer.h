// The mission's clock for hints and its record of state changes: a hint shows 9 s into the first state and
// 13 s into every later one, again 13 s after each time it is closed, never while a question is on show.
#pragma once

#include <irrlicht.h>

class HintTimer {
public:
    // Runs before the state's own step; `putUpHint` puts the current state's hint on screen.
    template <typename PutUpHint>
    void frame(int state, bool hintsEnabled, PutUpHint putUpHint)
    {
        const irr::u32 now = readClock(state);
        if (hintsEnabled && state == _oldstate && now > _time4Hint) {
            if (!_hintShown) {
                _hintShown = true;
                putUpHint();
            }
            afterHint(now);
        } else if (state != _oldstate) {
            stateChanged(state, now);
        }
        _oldstate = state;
    }

private:
    irr::u32 readClock(int state);
    void afterHint(irr::u32 now);
    void stateChanged(int state, irr::u32 now);

    bool _started = false;
    irr::u32 _time4Hint = 0;
    int _oldstate = 0;
    bool _hintShown = false;
};
