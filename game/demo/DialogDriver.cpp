// Fills and answers the dialog windows through clicks and key strokes, one action per frame.
#include "demo/DialogDriver.h"

#include <memory>

#include "demo/InputPoster.h"
#include "ui/Dialogs.h"

namespace {

using irr::core::position2di;

// Long enough for a person watching to read what was answered.
const irr::u32 readingTime = 700;

bool isA(irr::gui::IGUIElement* e, irr::gui::EGUI_ELEMENT_TYPE type)
{
    return e->isVisible() && e->getType() == type;
}

// The shown question window: a visible window holding a single answer box or check boxes.
std::optional<ShownQuestion> readWindow(irr::gui::IGUIElement* window)
{
    ShownQuestion shown;
    int editBoxes = 0;
    bool choice = false;
    for (irr::gui::IGUIElement* child : window->getChildren()) {
        if (isA(child, irr::gui::EGUIET_EDIT_BOX))
            ++editBoxes;
        if (isA(child, irr::gui::EGUIET_CHECK_BOX)) {
            choice = true;
            if (child->getText()[0] != L'\0')
                shown.alternatives.push_back(child->getText());
        }
    }
    if (!choice && editBoxes != 1)
        return std::nullopt;
    shown.type = choice ? '2' : '1';
    shown.text = GDialogs.question().text;
    return shown;
}

}

std::optional<ShownQuestion> DialogDriver::shownQuestion(irr::gui::IGUIEnvironment* gui)
{
    for (irr::gui::IGUIElement* child : gui->getRootGUIElement()->getChildren())
        if (isA(child, irr::gui::EGUIET_WINDOW))
            if (std::optional<ShownQuestion> shown = readWindow(child))
                return shown;
    return std::nullopt;
}

void DialogDriver::click(position2di at)
{
    _steps.push_back([this, at](irr::u32) {
        _input.leftButton(at, true);
        return true;
    });
    _steps.push_back([this, at](irr::u32) {
        _input.leftButton(at, false);
        return true;
    });
}

void DialogDriver::retype(position2di box, const std::wstring& text)
{
    click(box);
    _steps.push_back([this, text](irr::u32) {
        _input.key(irr::KEY_KEY_A, true, L'a', true);
        _input.key(irr::KEY_KEY_A, false, L'a', true);
        _input.key(irr::KEY_DELETE, true);
        _input.key(irr::KEY_DELETE, false);
        _input.type(text);
        return true;
    });
}

void DialogDriver::pause(irr::u32 ms)
{
    auto until = std::make_shared<irr::u32>(0);
    _steps.push_back([until, ms](irr::u32 now) {
        if (*until == 0)
            *until = now + ms;
        return now >= *until;
    });
}

void DialogDriver::logOn(const std::wstring& user, const std::wstring& password)
{
    const position2di window(0, DialogGeometry::logonTop);
    retype(window + _geometry.logonUserBox().getCenter(), user);
    retype(window + _geometry.logonPasswordBox().getCenter(), password);
    pause(readingTime);
    const int buttons = (DialogGeometry::logonButtonsTop + DialogGeometry::logonButtonsBottom) / 2;
    click(window + position2di(_geometry.okButton(0, 0).getCenter().X, buttons));
}

void DialogDriver::answer(const Reply& reply, bool choice)
{
    if (choice)
        for (int box : reply.ticks)
            click(_geometry.choiceBox(box, Dialogs::alternatives).getCenter());
    else
        retype(_geometry.answerBox().getCenter(), reply.text);
    pause(readingTime);
    const int buttons = (_geometry.questionButtonsTop() + _geometry.questionButtonsBottom()) / 2;
    click(position2di(_geometry.okButton(0, 0).getCenter().X, buttons));
}

bool DialogDriver::step(irr::u32 now)
{
    if (_steps.empty())
        return false;
    if (_steps.front()(now))
        _steps.pop_front();
    return true;
}
