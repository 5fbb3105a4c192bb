// The small bar at the bottom of the screen, and the screen message the dialogs or the hints show.
#pragma once

#include <irrlicht.h>

#include "player/ScreenMessage.h"

class StatusBar {
public:
    StatusBar(long maxValue, irr::core::position2di inicial, irr::core::dimension2di tamanho,
              irr::video::SColor color);

    void set(float percent);
    long getStatus() const { return _status; }
    // The drawn length in pixels.
    int length() const { return _current.Width; }
    void printBar(irr::video::IVideoDriver* driver, const ScreenMessage& message);

    // The line under a hint that tells how to close it.
    static const wchar_t* const HowAHintCloses;

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
