// A GUI element that draws nothing and runs an action the first time the GUI is drawn.
#include "support/DialogsOnNullDevice.h"

#include <utility>

#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"

namespace {

class FirstDrawHook : public irr::gui::IGUIElement {
public:
    explicit FirstDrawHook(std::function<void()> action)
        : IGUIElement(irr::gui::EGUIET_ELEMENT, GEnvironment, GEnvironment->getRootGUIElement(), -1,
                      irr::core::recti()),
          _action(std::move(action))
    {
    }

    void draw() override
    {
        if (_action)
            std::exchange(_action, nullptr)();
    }

private:
    std::function<void()> _action;
};

irr::gui::IGUIElement* _logonWindow = nullptr;

}

void createDialogs800x600()
{
    Gexepath = SATLINK_BUILD_DIR;
    Gconfig.res_x = 800;
    Gconfig.res_y = 600;
    GDialogs.createDialogs();
}

void createDialogsAnswering(std::function<void()> onFirstDraw)
{
    createDialogs800x600();
    _logonWindow = *GEnvironment->getRootGUIElement()->getChildren().getLast();
    (new FirstDrawHook(std::move(onFirstDraw)))->drop();
}

irr::gui::IGUIEditBox* logonUserBox()
{
    for (irr::gui::IGUIElement* element : _logonWindow->getChildren())
        if (element->getType() == irr::gui::EGUIET_EDIT_BOX)
            return static_cast<irr::gui::IGUIEditBox*>(element);
    return nullptr;
}
