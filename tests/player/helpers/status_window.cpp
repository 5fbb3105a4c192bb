// Draws the player's status over an empty scene in a real window, with no screen message, a hint line
// or a message box, for the status window test. Argument: "none", "hint" or "box".
#include <cstdio>
#include <cstring>

#include "player/Camera.h"
#include "player/Sniper.h"
#include "shell/Engine.h"
#include "shell/EventReceiver.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "support/EngineHandles.h"

namespace {

void showMessage(const char* mode)
{
    if (std::strcmp(mode, "box") == 0)
        GDialogs.showMessageBox(L"", L"Voce foi capturado! Fim da linha.");
    if (std::strcmp(mode, "hint") == 0)
        GMessageBox.showHint(L"Procure o computador.");
}

}

int main(int argc, char** argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "none") != 0 && std::strcmp(argv[1], "hint") != 0 &&
                      std::strcmp(argv[1], "box") != 0)) {
        std::fputs("usage: status_window none|hint|box\n", stderr);
        return 2;
    }
    startWindowEngine();
    if (!GDevice)
        return 1;
    GDialogs.createDialogs();
    GDevice->setEventReceiver(&GEventReceiver);
    GmainCamera = new Camera();
    GmainCamera->readMessagesFrom([] { return ScreenMessage{GMessageBox.text(), GMessageBox.holdsGame()}; });
    GmainCamera->pegarArma(new Sniper());
    showMessage(argv[1]);
    GSmgr->getActiveCamera()->setInputReceiverEnabled(false);
    // The test takes its screenshot once told that two whole frames are out.
    for (int frames = 1; GDevice->run(); ++frames) {
        GDriver->beginScene(true, true, irr::video::SColor(0, 80, 80, 80));
        GEnvironment->drawAll();
        GmainCamera->drawStatus();
        GDriver->endScene();
        if (frames == 2) {
            std::puts("drawn");
            std::fflush(stdout);
        }
    }
    delete GmainCamera;
    GDevice->drop();
    return 0;
}
