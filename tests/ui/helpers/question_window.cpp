// Shows one quiz question in the game's dialog in a real window and prints the answer read back,
// for the dialog window tests. Argument: "choice" or "text".
#include <cstdio>
#include <cstring>
#include <string>

#include "shell/Engine.h"
#include "shell/EventReceiver.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "support/EngineHandles.h"

namespace {

// Tabs as \t and bytes above 127 as \xNN, so the test can compare the bytes.
std::string visible(const std::string& answer)
{
    std::string shown;
    for (unsigned char c : answer) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
        if (c == '\t')
            shown += "\\t";
        else if (c > 127)
            shown += escaped;
        else
            shown += static_cast<char>(c);
    }
    return shown;
}

Question question(bool choice)
{
    if (choice)
        return {'2', "Q001", "Qual \xe9 a fun\xe7\xe3o de um sat\xe9lite de comunica\xe7\xe3o?",
                {"Medir a \xf3rbita", "Retransmitir sinais", "Gerar energia", "Ligar ant\xeanas distantes",
                 "Nenhuma"}};
    return {'4', "Q002", "Escreva a palavra que falta: a ___ do usu\xe1rio.", {}};
}

}

int main(int argc, char** argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "choice") != 0 && std::strcmp(argv[1], "text") != 0)) {
        std::fputs("usage: question_window choice|text\n", stderr);
        return 2;
    }
    startWindowEngine();
    if (!GDevice)
        return 1;
    GDialogs.createDialogs();
    GDevice->setEventReceiver(&GEventReceiver);
    GDialogs.showProblem(question(std::strcmp(argv[1], "choice") == 0));
    while (GDevice->run() && GDialogs.isDialogOpened()) {
        GDriver->beginScene(true, true, irr::video::SColor(0, 80, 80, 80));
        GEnvironment->drawAll();
        GDriver->endScene();
    }
    std::printf("answer %d: %s\n", GDialogs.answer(), visible(GDialogs.getAnswer()).c_str());
    GDialogs.CloseDialog();
    GDevice->drop();
    return 0;
}
