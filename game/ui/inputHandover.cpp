// Camera input, mouse cursor and arrow keys around the dialogs and the message box.
#include "ui/inputHandover.h"

#include <initializer_list>
#include <irrlicht.h>

#include "shell/Engine.h"

using namespace irr;

void setCameraInput(bool enabled)
{
    if (scene::ICameraSceneNode* camera = GSmgr->getActiveCamera())
        camera->setInputReceiverEnabled(enabled);
}

void showCursor(bool visible)
{
    if (gui::ICursorControl* cursor = GDevice->getCursorControl())
        cursor->setVisible(visible);
}

void releaseArrowKeys()
{
    for (EKEY_CODE key : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT}) {
        SEvent release;
        release.EventType = EET_KEY_INPUT_EVENT;
        release.KeyInput.Key = key;
        release.KeyInput.Char = 0;
        release.KeyInput.PressedDown = false;
        release.KeyInput.Shift = false;
        release.KeyInput.Control = false;
        GDevice->postEventFromUser(release);
    }
}
