// Prints, as shell assignments, where the dialogs' buttons and boxes sit on a screen of the given size,
// in the game window's coordinates, for the window tests to click. Arguments: WIDTH HEIGHT.
#include <cstdio>
#include <cstdlib>

#include "ui/DialogGeometry.h"
#include "ui/Dialogs.h"

namespace {

void print(const char* name, int value)
{
    std::printf("%s=%d\n", name, value);
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: dialog_geometry WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const DialogGeometry g = DialogGeometry::forScreen(std::atoi(argv[1]), std::atoi(argv[2]));
    const int logon = DialogGeometry::logonTop;
    print("OK_X", g.okButton(0, 0).getCenter().X);
    print("CANCEL_X", g.cancelButton(0, 0).getCenter().X);
    print("BOX_X", g.answerBox().getCenter().X);
    print("LOGON_USER_Y", logon + g.logonUserBox().getCenter().Y);
    print("LOGON_PASSWORD_Y", logon + g.logonPasswordBox().getCenter().Y);
    print("LOGON_BUTTONS_Y", logon + (DialogGeometry::logonButtonsTop + DialogGeometry::logonButtonsBottom) / 2);
    print("QUESTION_BUTTONS_Y", (g.questionButtonsTop() + g.questionButtonsBottom()) / 2);
    print("ANSWER_Y", g.answerBox().getCenter().Y);
    std::printf("CHOICE_Y=(");
    for (int k = 0; k < Dialogs::alternatives; ++k)
        std::printf("%s%d", k ? " " : "", g.choiceBox(k, Dialogs::alternatives).getCenter().Y);
    std::printf(")\n");
    return 0;
}
