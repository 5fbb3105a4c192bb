// The event receiver installed while a dialog is open: it records which button was pressed.
#pragma once

#include <irrlicht.h>

class DialogCodeEventReceiver : public irr::IEventReceiver {
public:
    // Never consumes the event, so the GUI still sees every one.
    bool OnEvent(const irr::SEvent& event) override;
};

// Holds nothing of its own: the answer goes to GDialogs.
extern DialogCodeEventReceiver GdialogCodeReceiver;
