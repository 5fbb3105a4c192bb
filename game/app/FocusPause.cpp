#include "app/FocusPause.h"

#include "platform/LogFile.h"
#include "shell/Engine.h"
#include "shell/PausableTimer.h"
#include "ui/inputHandover.h"

const wchar_t* const FocusPause::Notice = L"Jogo em pausa: clique na janela para continuar";

bool FocusPause::check(bool focused)
{
    _everFocused = _everFocused || focused;
    const bool held = _everFocused && !focused;
    if (held && !_clock->isPaused())
        pause();
    else if (!held && _clock->isPaused())
        resume();
    return held;
}

// The camera stops turning with the pointer, which it would otherwise pull back to the middle of a
// window the player has left; what the dialogs had set comes back on resuming.
void FocusPause::pause()
{
    _clock->pause();
    irr::scene::ICameraSceneNode* camera = GSmgr ? GSmgr->getActiveCamera() : nullptr;
    _cameraInput = camera && camera->isInputReceiverEnabled();
    irr::gui::ICursorControl* cursor = GDevice ? GDevice->getCursorControl() : nullptr;
    _cursorShown = cursor && cursor->isVisible();
    setCameraInput(false);
    showCursor(true);
    GLog.writelf("game paused");
}

void FocusPause::resume()
{
    _clock->resume();
    setCameraInput(_cameraInput);
    showCursor(_cursorShown);
    GLog.writelf("game resumed");
}
