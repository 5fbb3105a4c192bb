#include "mission/HintTimer.h"

#include <string>

#include "platform/LogFile.h"
#include "shell/Engine.h"
#include "ui/MessageBox.h"

namespace {

const irr::u32 FirstHint = 9000;
const irr::u32 NextHint = 13000;

}  // namespace

irr::u32 HintTimer::readClock(int state)
{
    const irr::u32 now = GTimer->getRealTime();
    if (!_started) {
        _started = true;
        _time4Hint = now + FirstHint;
        _oldstate = state;
    }
    return now;
}

void HintTimer::afterHint(irr::u32 now)
{
    if (!GMessageBox.isClosed())
        return;
    _hintShown = false;
    _time4Hint = now + NextHint;
}

// A new state takes the old hint away, unless the box holds a message the player must read.
void HintTimer::stateChanged(int state, irr::u32 now)
{
    _time4Hint = now + NextHint;
    GMessageBox.dropHint();
    const std::string rule(50, '=');
    GLog.writelf(rule.c_str());
    GLog.writelf(("Story::state = " + std::to_string(state)).c_str());
    GLog.writelf(rule.c_str());
}
