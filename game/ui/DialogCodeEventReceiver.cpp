// Button presses of the dialogs become the answer code of GDialogs.
#include "ui/DialogCodeEventReceiver.h"

#include "ui/Dialogs.h"

DialogCodeEventReceiver GdialogCodeReceiver;

bool DialogCodeEventReceiver::OnEvent(const irr::SEvent& event)
{
    if (event.EventType != irr::EET_GUI_EVENT)
        return false;
    if (event.GUIEvent.EventType == irr::gui::EGET_BUTTON_CLICKED)
        GDialogs.setAnswer(event.GUIEvent.Caller->getID());
    else if (event.GUIEvent.EventType == irr::gui::EGET_MESSAGEBOX_OK)
        GDialogs.setAnswer(Dialogs::messageBoxOk);
    else if (event.GUIEvent.EventType == irr::gui::EGET_EDITBOX_ENTER)
        GDialogs.logonReturn(event.GUIEvent.Caller);
    return false;
}
