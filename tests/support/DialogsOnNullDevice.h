// The game's dialogs on the test's null device, with a hook that acts in the log-on phase's first frame.
#pragma once

#include <functional>

#include "ui/Dialogs.h"

// Builds the dialogs for an 800x600 screen from the build's fonts.
void createDialogs800x600();

// The same; onFirstDraw runs inside the first GUI drawing, where a player would type and click.
void createDialogsAnswering(std::function<void()> onFirstDraw);

// The log-on window's user name box.
irr::gui::IGUIEditBox* logonUserBox();
