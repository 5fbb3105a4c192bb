// Drawing of the status bar and of the screen message.
#include "player/StatusBar.h"

#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

StatusBar::StatusBar(long maxValue, irr::core::position2di inicial, irr::core::dimension2di tamanho,
                     irr::video::SColor color)
    : _maxValue(maxValue), _status(maxValue), _inicial(inicial), _tamanho(tamanho), _current(tamanho),
      _color(color)
{
}

// The drawn size stays full: only the value changes.
void StatusBar::set(float percent)
{
    _status = static_cast<long>(static_cast<float>(_maxValue) * percent / 100.0f);
}

void StatusBar::printBar(irr::video::IVideoDriver* driver, const ScreenMessage& message)
{
    if (!message.text) {
        driver->draw2DRectangle(_color, irr::core::recti(_inicial, _current));
        return;
    }
    printMessage(driver, message);
}

irr::core::recti StatusBar::messageBand(irr::core::dimension2du screen)
{
    const int y = static_cast<int>(screen.Height) / 2;
    return irr::core::recti(1, y - 100, static_cast<int>(screen.Width) - 1, y + 100);
}

void StatusBar::printMessage(irr::video::IVideoDriver* driver, const ScreenMessage& message)
{
    if (!_font)
        _font = GEnvironment->getFont(nativePath((Gexepath + "\\media\\fontcalibri12.png").c_str()).c_str());
    const int h = static_cast<int>(Gresolucao.Height);
    int y = h - 50;
    if (message.holdsGame) {
        y = h / 2;
        driver->draw2DRectangle(irr::video::SColor(200, 100, 100, 100), messageBand(Gresolucao));
    }
    if (_font)
        _font->draw(message.text, irr::core::recti(10, y - 20, static_cast<int>(Gresolucao.Width), h),
                    irr::video::SColor(255, 250, 250, 0));
}
