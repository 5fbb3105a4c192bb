// The on-screen message box: a text the status bar draws over the game until the keyboard closes it.
#pragma once

// The text on show (null when none), whether the box is closed, whether it holds the game.
extern const wchar_t* _Mensagem;
extern bool _ClosedMessage;
extern bool _TenirMessage;

// Puts msg on screen, frees the mouse and stops the player until the box is closed.
void openMessageBox(const wchar_t* msg);
// Takes the message box off the screen and gives the player's camera its input back.
void closeMessageBox();
