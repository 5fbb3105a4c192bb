// The message box's state and its opening and closing.
#include "ui/MessageBox.h"

#include "platform/StateReset.h"
#include "ui/inputHandover.h"

const wchar_t* _Mensagem = nullptr;
bool _ClosedMessage = true;
bool _TenirMessage = false;

namespace {

const bool resetRegistered = registerReset([] {
    _Mensagem = nullptr;
    _ClosedMessage = true;
    _TenirMessage = false;
});

}

void openMessageBox(const wchar_t* msg)
{
    releaseArrowKeys();
    showCursor(true);
    _Mensagem = msg;
    _ClosedMessage = false;
    _TenirMessage = true;
    setCameraInput(false);
}

void closeMessageBox()
{
    _Mensagem = nullptr;
    _ClosedMessage = true;
    _TenirMessage = false;
    setCameraInput(true);
    showCursor(false);
}
