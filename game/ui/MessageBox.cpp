// The message box's state and its opening and closing.
#include "ui/MessageBox.h"

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "ui/inputHandover.h"

MessageBox GMessageBox;

namespace {

const bool resetRegistered = registerReset([] { GMessageBox.reset(); });

}

void MessageBox::open(const wchar_t* text)
{
    releaseArrowKeys();
    showCursor(true);
    _text = text;
    _closed = false;
    _holding = true;
    setCameraInput(false);
}

// The line tells whoever drives the game from outside that the box went.
void MessageBox::close()
{
    if (!_closed)
        GLog.writelf("MessageBox::close");
    reset();
    setCameraInput(true);
    showCursor(false);
}

void MessageBox::showHint(const wchar_t* text)
{
    _text = text;
    _closed = false;
}

void MessageBox::dropHint()
{
    if (!_holding)
        _text = nullptr;
}

void MessageBox::reset()
{
    _text = nullptr;
    _closed = true;
    _holding = false;
}
