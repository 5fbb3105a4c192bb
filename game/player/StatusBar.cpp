// Drawing of the status bar and of the screen message.
#include "player/StatusBar.h"

#include <algorithm>

#include "platform/nativepath.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

namespace {

const irr::video::SColor MessageColour(255, 250, 250, 0);
const irr::video::SColor NoteColour(255, 230, 230, 230);
const irr::video::SColor HintBacking(150, 0, 0, 0);
const irr::core::position2di HintCorner(10, 10);

}  // namespace

const wchar_t* const StatusBar::HowAHintCloses = L"(Esc, Espa\u00e7o ou Enter fecham a dica)";

StatusBar::StatusBar(long maxValue, irr::core::position2di inicial, irr::core::dimension2di tamanho,
                     irr::video::SColor color)
    : _maxValue(maxValue), _status(maxValue), _inicial(inicial), _tamanho(tamanho), _current(tamanho),
      _color(color)
{
}

// The drawn length follows the value: full at the maximum, nothing at 0 or below.
void StatusBar::set(float percent)
{
    _status = static_cast<long>(static_cast<float>(_maxValue) * percent / 100.0f);
    const long shown = std::clamp(_status, 0L, _maxValue);
    _current.Width = static_cast<irr::s32>(static_cast<long>(_tamanho.Width) * shown / _maxValue);
}

// The bar stays in view under a message: hints sit at the top and message boxes in the middle.
void StatusBar::printBar(irr::video::IVideoDriver* driver, const ScreenMessage& message)
{
    if (_current.Width > 0)
        driver->draw2DRectangle(_color, irr::core::recti(_inicial, _current));
    if (message.text)
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
    const int w = static_cast<int>(Gresolucao.Width), h = static_cast<int>(Gresolucao.Height);
    if (!_font)
        return;
    if (message.holdsGame) {
        driver->draw2DRectangle(irr::video::SColor(200, 100, 100, 100), messageBand(Gresolucao));
        _font->draw(message.text, irr::core::recti(10, h / 2 - 20, w, h), MessageColour);
        return;
    }
    // A dark backing keeps the yellow text readable over the white ceiling.
    const irr::core::dimension2du text = _font->getDimension(message.text);
    const irr::core::dimension2du note = _font->getDimension(HowAHintCloses);
    const irr::s32 below = HintCorner.Y + static_cast<irr::s32>(text.Height) + 4;
    const irr::s32 right = HintCorner.X + static_cast<irr::s32>(std::max(text.Width, note.Width)) + 4;
    driver->draw2DRectangle(HintBacking, irr::core::recti(HintCorner.X - 4, HintCorner.Y - 4, right,
                                                          below + static_cast<irr::s32>(note.Height) + 4));
    _font->draw(message.text, irr::core::recti(HintCorner, irr::core::dimension2di(w, h)), MessageColour);
    _font->draw(HowAHintCloses, irr::core::recti(HintCorner.X, below, w, h), NoteColour);
}
