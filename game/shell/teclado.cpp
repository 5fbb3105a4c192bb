// Turns the recorded key and mouse states into game actions, once per frame.
#include "shell/teclado.h"

#include <cstdio>
#include <cstdlib>

#include "mission/Dialogs.h"
#include "shell/EventReceiver.h"
#include "shell/Global.h"
#include "shell/LogFile.h"
#include "player/Camera.h"

namespace {

const irr::u8 KEY_O = 0x4F;
const irr::u8 KEY_P = 0x50;
const irr::u8 KEY_A = 0x41;
const irr::u8 KEY_ESCAPE = 0x1B;
const irr::u8 KEY_SPACE = 0x20;
const irr::u8 KEY_RETURN = 0x0D;

void quitOnO(EventReceiver* evRec)
{
    if (!evRec->keyDown(KEY_O))
        return;
    std::puts("bye");
    std::fflush(stdout);
    std::exit(0);
}

// One press fires one shot: the player fires on the first frame the button is down.
void fireOnLeftButton(EventReceiver* evRec)
{
    if (evRec->leftMouseDown())
        GmainCamera->shoot();
    if (evRec->leftMouseUp())
        GmainCamera->trigger();
}

void switchWeaponOnAOrWheel(EventReceiver* evRec)
{
    for (int steps = weaponSwitchesAsked(evRec); steps > 0; --steps)
        GmainCamera->switchArma(true);
}

void closeMessageOnKeys(EventReceiver* evRec)
{
    if (evRec->keyDown(KEY_ESCAPE) || evRec->keyDown(KEY_SPACE) || evRec->keyDown(KEY_RETURN))
        closeMessageBox();
}

void testModeOnP(EventReceiver* evRec)
{
    if (!evRec->keyDown(KEY_P) || GcheatTests)
        return;
    GcheatTests = true;
    GLog.writelf("test mode on");
}

}

void process_input(EventReceiver* evRec)
{
    quitOnO(evRec);
    if (GmainCamera)
        fireOnLeftButton(evRec);
    closeMessageOnKeys(evRec);
    testModeOnP(evRec);
    if (GmainCamera)
        switchWeaponOnAOrWheel(evRec);
}

int weaponSwitchesAsked(EventReceiver* evRec)
{
    // True while A is up, so that holding A switches only once.
    static bool _flag = true;
    int asked = 0;
    if (evRec->keyDown(KEY_A) && _flag) {
        _flag = false;
        ++asked;
    }
    if (evRec->keyUp(KEY_A))
        _flag = true;
    if (evRec->takeMouseWheel() != 0.0f)
        ++asked;
    return asked;
}
