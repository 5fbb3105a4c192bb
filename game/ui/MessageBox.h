// The on-screen message box: a text the status bar draws over the game until the keyboard closes it.
#pragma once

class MessageBox {
public:
    // Puts text on screen, frees the mouse and stops the player until the box is closed.
    void open(const wchar_t* text);
    // Takes the box off the screen and gives the player's camera its input back.
    void close();
    // A hint: on screen over the game, which goes on.
    void showHint(const wchar_t* text);
    // Takes a hint away; a message that holds the game stays.
    void dropHint();
    void reset();

    // The text on show, null when none.
    const wchar_t* text() const { return _text; }
    bool isClosed() const { return _closed; }
    // Whether the box stops the game until it is closed.
    bool holdsGame() const { return _holding; }

private:
    const wchar_t* _text = nullptr;
    bool _closed = true;
    bool _holding = false;
};

extern MessageBox GMessageBox;
