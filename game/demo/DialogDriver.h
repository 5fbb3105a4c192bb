// Fills and answers the dialog windows as a person does: clicks on the boxes and buttons where the
// windows put them, typing into the edit boxes, one action per frame.
#pragma once

#include <deque>
#include <functional>
#include <irrlicht.h>
#include <optional>
#include <string>

#include "demo/AnswerBook.h"
#include "ui/DialogGeometry.h"

class InputPoster;

class DialogDriver {
public:
    DialogDriver(InputPoster& input, const DialogGeometry& geometry) : _input(input), _geometry(geometry) {}

    // The question window on screen, read off its boxes; nothing when none is shown.
    static std::optional<ShownQuestion> shownQuestion(irr::gui::IGUIEnvironment* gui);

    void logOn(const std::wstring& user, const std::wstring& password);
    void answer(const Reply& reply, bool choice);
    // Runs the action due at `now` (milliseconds); false when nothing is left to do.
    bool step(irr::u32 now);
    bool busy() const { return !_steps.empty(); }

private:
    using Step = std::function<bool(irr::u32)>;

    void click(irr::core::position2di at);
    void retype(irr::core::position2di box, const std::wstring& text);
    void pause(irr::u32 ms);

    InputPoster& _input;
    DialogGeometry _geometry;
    std::deque<Step> _steps;
};
