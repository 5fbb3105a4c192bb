// The small bar at the bottom of the screen, or, while the dialogs show one, the screen message.
#pragma once

#include <irrlicht.h>

#include "player/ScreenMessage.h"

class StatusBar {
public:
    StatusBar(long maxValue, irr::core::position2di inicial, irr::core::dimension2di tamanho,
              irr::video::SColor color);

    void set(float percent);
    long getStatus() const { return _status; }
    void printBar(irr::video::IVideoDriver* driver, const ScreenMessage& message);

    // Where the message box's grey band lies on a screen `screen` pixels large.
    static irr::core::recti messageBand(irr::core::dimension2du screen);

private:
    void printMessage(irr::video::IVideoDriver* driver, const ScreenMessage& message);

    long _maxValue;
    long _status;
    irr::core::position2di _inicial;
    irr::core::dimension2di _tamanho;
    irr::core::dimension2di _current;
    irr::video::SColor _color;
    irr::gui::IGUIFont* _font = nullptr;  // loaded the first time a message shows
};
