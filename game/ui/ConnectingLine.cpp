#include "ui/ConnectingLine.h"

#include "platform/LogFile.h"
#include "shell/Config.h"
#include "shell/Engine.h"

namespace {

const int width = 240;
const int height = 22;

}

void ConnectingLine::show(bool on)
{
    if (on == shown())
        return;
    if (!_text) {
        // Above the log-on window's place and the status bar, in the middle of the screen.
        const int left = (Gconfig.res_x - width) / 2;
        _text = GEnvironment->addStaticText(L"Conectando ao servidor...",
                                            irr::core::recti(left, 4, left + width, 4 + height), true, false,
                                            nullptr, -1, true);
        _text->setTextAlignment(irr::gui::EGUIA_CENTER, irr::gui::EGUIA_CENTER);
    }
    _text->setVisible(on);
    GLog.writelf(on ? "waiting for the quiz server" : "no longer waiting for the quiz server");
}

bool ConnectingLine::shown() const
{
    return _text && _text->isVisible();
}
