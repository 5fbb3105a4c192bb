#include "support/MissionWorld.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "ai/NPC.h"
#include "ai/deathSignal.h"
#include "messaging/Agenda.h"
#include "mission/Story.h"
#include "net/QuizWorker.h"
#include "platform/LogFile.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"
#include "support/DialogsOnNullDevice.h"
#include "support/NullDevice.h"
#include "support/ReadFile.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "world/Collectable.h"
#include "world/GenericObj.h"
#include "world/Graph.h"
#include "world/Map.h"

namespace {

// The first element of `type` under a shown window, searched depth first.
irr::gui::IGUIElement* shownElement(irr::gui::IGUIElement* parent, irr::gui::EGUI_ELEMENT_TYPE type)
{
    for (irr::gui::IGUIElement* child : parent->getChildren()) {
        if (!child->isVisible())
            continue;
        if (child->getType() == type)
            return child;
        if (irr::gui::IGUIElement* found = shownElement(child, type))
            return found;
    }
    return nullptr;
}

}  // namespace

void MissionWorld::open(bool testMode)
{
    openNullDevice();
    char pattern[] = "/tmp/satlink-mission-XXXXXX";
    _folder = mkdtemp(pattern);
    GLog.setpath((_folder + "/log.txt").c_str());
    Gexepath = SATLINK_BUILD_DIR;
    Gresolucao = irr::core::dimension2du(800, 600);
    GTimer = &timer;
    GcheatTests = testMode;
    createDialogsAnswering([] {});
    GmainCamera = new Camera();
    GGraph = new Graph();
    _story = new Story();
    GStory = _story;
    _story->start();
}

void MissionWorld::close()
{
    GquizWorker.stop();
    delete _story;
    delete GmainCamera;
    delete GcurrentMap;
    delete GGraph;
    std::filesystem::remove_all(_folder);
    closeNullDevice();
}

void MissionWorld::frame()
{
    timer.set(timer.getRealTime() + 20);
    GAgenda.exec();
    _story->exec();
}

void MissionWorld::frames(int count)
{
    for (int i = 0; i < count; ++i)
        frame();
}

bool MissionWorld::framesUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 5000 && !condition(); ++i) {
        frame();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}

void MissionWorld::advance(irr::u32 ms)
{
    timer.set(timer.getRealTime() + ms);
}

void MissionWorld::touch(const char* scenery)
{
    findGenericObj(scenery)->collided(GmainCamera);
}

void MissionWorld::use(const char* scenery)
{
    findGenericObj(scenery)->rcvMessage(8);
}

void MissionWorld::pick(const char* collectable)
{
    findCollectable(collectable)->collided(GmainCamera);
}

void MissionWorld::killMonster(int slot)
{
    announceDeath(_story->monster(slot));
}

void MissionWorld::answer(const std::string& text)
{
    if (irr::gui::IGUIElement* box =
            shownElement(GEnvironment->getRootGUIElement(), irr::gui::EGUIET_EDIT_BOX))
        box->setText(irr::core::stringw(text.c_str()).c_str());
    GDialogs.setAnswer(Dialogs::okButton);
}

void MissionWorld::closeMessage()
{
    GMessageBox.close();
}

bool MissionWorld::questionOnShow() const
{
    return shownElement(GEnvironment->getRootGUIElement(), irr::gui::EGUIET_WINDOW) != nullptr;
}

std::string MissionWorld::log() const
{
    return readFile(_folder + "/log.txt");
}
