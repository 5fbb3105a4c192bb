// Turns the recorded key and mouse states into game actions, once per frame.
#include "app/teclado.h"

#include <cstdio>
#include <cstdlib>

#include "ai/GraphEditor.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/EventReceiver.h"
#include "shell/fatal.h"
#include "ui/MessageBox.h"

namespace {

const irr::u8 KEY_O = 0x4F;
const irr::u8 KEY_P = 0x50;
const irr::u8 KEY_A = 0x41;
const irr::u8 KEY_ESCAPE = 0x1B;
const irr::u8 KEY_SPACE = 0x20;
const irr::u8 KEY_RETURN = 0x0D;
const irr::u8 KEY_G = 0x47;
const irr::u8 KEY_D = 0x44;
const irr::u8 KEY_N = 0x4E;
const irr::u8 KEY_C = 0x43;
const irr::u8 KEY_X = 0x58;
const irr::u8 KEY_T = 0x54;
const irr::u8 KEY_S = 0x53;

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
        GMessageBox.close();
}

// Only where config.xml allows it: a student's key must not switch the quiz off unseen.
void testModeOnP(EventReceiver* evRec)
{
    if (!Gconfig.cheating || !evRec->keyDown(KEY_P) || GcheatTests)
        return;
    GcheatTests = true;
    GLog.writelf("test mode on");
}

// G and D act on every frame they are held, which repeats nothing: a second selection of the same
// waypoint and a second deletion of the same edge change nothing. The other keys act once per press.
void editWaypoints(EventReceiver* evRec)
{
    if (evRec->keyDown(KEY_G))
        GGraphEditor->askSelectWayPoint();
    if (evRec->keyDown(KEY_D))
        GGraphEditor->askDeleteEdge();
    if (evRec->takeKeyPress(KEY_N))
        GGraphEditor->askNewPoint();
    if (evRec->takeKeyPress(KEY_C))
        GGraphEditor->askNewEdge();
    if (evRec->takeKeyPress(KEY_X))
        GGraphEditor->askDeleteNode();
    if (evRec->takeKeyPress(KEY_T))
        GGraphEditor->askSaveTxt();
    if (evRec->takeKeyPress(KEY_S))
        GGraphEditor->askSave();
}

}

void process_input(EventReceiver* evRec)
{
    quitOnO(evRec);
    if (GmainCamera)
        fireOnLeftButton(evRec);
    closeMessageOnKeys(evRec);
    testModeOnP(evRec);
    if (GGraphEditor)
        editWaypoints(evRec);
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
