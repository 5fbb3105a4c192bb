// The text the dialogs put over the game, as the player's status drawing needs it.
#pragma once

struct ScreenMessage {
    const wchar_t* text = nullptr;  // null: no message
    bool holdsGame = false;         // a message box on a grey band; otherwise a hint line
};
