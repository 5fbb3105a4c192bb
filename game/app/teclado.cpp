// Turns the recorded key and mouse states into game actions, once per frame.
#include "app/teclado.h"

#include <cstdio>
#include <cstdlib>

#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/EventReceiver.h"
#include "shell/Global.h"
#include "shell/fatal.h"
#include "ui/MessageBox.h"

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
    endGame();
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
    int asked = evRec->takeKeyPress(KEY_A) ? 1 : 0;
    if (evRec->takeMouseWheel() != 0.0f)
        ++asked;
    return asked;
}
