// The mission's states: each waits for its event, acts once and moves on.
#include <string>

#include "ai/NPC.h"
#include "messaging/Blackboard.h"
#include "mission/Story.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "platform/Sound.h"
#include "platform/SoundEngine.h"
#include "player/Camera.h"
#include "player/Varinha.h"
#include "shell/Config.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "world/Collectable.h"
#include "world/GenericObj.h"
#include "world/Inventory.h"

using irr::core::vector3df;

namespace {

const irr::s32 DeathCode = 3;
const int QuestionTimeout = 30000;

void log(const char* line)
{
    GLog.writelf(line);
}

void clearBoard()
{
    GBlackboard.clear();
}

bool holds(const char* item)
{
    return GInventory.contains(item);
}

// A name the scenery list did not provide is the data's fault: said in the log, and the step goes on.
GenericObj* scenery(const char* name)
{
    GenericObj* found = findGenericObj(name);
    if (!found)
        GLog.writelf((std::string("Story: no scenery object ") + name + " in the scenery list").c_str());
    return found;
}

}  // namespace

void Story::state0()
{
    _hints.frame(_state, flag_hint_enabled, [this] { showHint(); });
    stepState();
}

bool Story::monsterDied(const char* name)
{
    irr::s32 code = 0;
    irr::core::stringc parm;
    return GBlackboard.queryAndDelete(name, code, parm) && code == DeathCode;
}

bool Story::objectSignalled(const char* name)
{
    irr::s32 code = 0;
    irr::core::stringc parm;
    return GBlackboard.queryAndDelete(name, code, parm) != nullptr;
}

void Story::message(const wchar_t* text)
{
    GDialogs.showMessageBox(L" AVISO ", text);
}

bool Story::messageClosed() const
{
    return GDialogs.closedMessageBox();
}

void Story::destroyScenery(const char* name)
{
    if (GenericObj* door = scenery(name))
        door->destroy();
}

// A question left unanswered too long is taken away and another asked; that is no answer.
void Story::timedAnswer(int again, int good)
{
    if (passedMiliSeconds(QuestionTimeout)) {
        GDialogs.CloseDialog();
        _state = again;
    }
    wait_answer_and_switch(good, again);
}

void Story::playMusic()
{
    if (!Gconfig.music || !GSound)
        return;
    _music =
        GSound->play2D((Gexepath + "\\Media\\Sound\\Brelvan_-_02_-_Quorvex.mp3").c_str(), true, false, true);
    if (_music)
        _music->setVolume(0.1f);
}

void Story::firstFrame()
{
    if (GenericObj* door = scenery("PortaSalaE"))
        posPortaSalaE = door->getNode()->getPosition();
    playMusic();
    if (!GcheatTests)
        loginServer();
    for (int slot = 0; slot < slots; ++slot)
        killSlot(slot);
    createMonster(0, 0, -300, 300, "Ninja0");
    _first = false;
}

// The antenna tool falls where the ninja died, lifted to where the player can walk into it.
void Story::dropAntennaTool()
{
    vector3df at = _ninja[1]->getNode()->getPosition();
    at.Y = 50;
    log("going kill ninjaeestado8B ");
    killSlot(1);
    new Collectable("tool4Antenna", Gexepath + "\\media\\shtangentzcirkul.3DS", "-",
                    Gexepath + "\\media\\sound\\futurebeep3.wav", "collision=10,rotate", at,
                    vector3df(0, 0, 0), vector3df(10, 10, 10));
}

void Story::stepState()
{
    switch (_state) {
    case 1:
        if (_first)
            firstFrame();
        if (monsterDied("Ninja0")) {
            log("going kill ninja0 ");
            killSlot(0);
            _state = 2;
        }
        break;
    case 2:
        if (objectSignalled("Computador"))
            _state = 3;
        break;
    case 3:
        ask();
        _state = 4;
        break;
    case 4:
        wait_answer_and_switch(10, 3);
        break;
    case 10:
        destroyScenery("PortaCentroD");
        destroyScenery("ParedeA");
        destroyScenery("ParedeF");
        sound("door_sliding.wav");
        createMonster(0, 0, -115, 500, "NinjaEestado1");
        _ninja[0]->getNode()->setRotation(_ninja[0]->getNode()->getRotation() + vector3df(0, 180, 0));
        _state = 11;
        break;
    case 11:
        if (monsterDied("NinjaEestado1")) {
            log("going kill ninjaestado1 ");
            killSlot(0);
            clearBoard();
            _state = 20;
        }
        break;
    case 20:
        if (objectSignalled("Computador")) {
            clearBoard();
            ask();
            _state = 21;
        }
        break;
    case 21:
        wait_answer_and_switch(22, 20);
        if (_state == 22)
            message(L"Conexao satelite perdida: software de rede destruido\npor virus. Existe uma copia do "
                    L"software guardada. Encontre-a!");
        break;
    case 22:
        if (messageClosed()) {
            clearBoard();
            destroyScenery("PortaSalaB");
            sound("door_sliding.wav");
            _state = 30;
        }
        break;
    case 30:
        if (holds("Arma") && holds("Pendrive")) {
            GmainCamera->pegarArma(new Varinha());
            createMonster(1, 0, 500, 300, "MonstroEestado4");
            message(L"Instale o software do Pendrive no computador.");
            _state = 31;
        }
        break;
    case 31:
        if (messageClosed()) {
            clearBoard();
            _state = 40;
        }
        break;
    case 40:
        if (monsterDied("MonstroEestado4")) {
            log("going kill MonstroEesatdo4 ");
            killSlot(0);
            clearBoard();
            _state = 41;
        }
        break;
    case 41:
        if (objectSignalled("Computador")) {
            message(L"Software corretamente instalado.\nAguarde novo codigo para analise.");
            clearBoard();
            _state = 42;
        }
        break;
    case 42:
        if (messageClosed()) {
            log("ok");
            sound("XPstartup.wav");
            startChrono();
            clearBoard();
            _state = 43;
        }
        break;
    case 43:
        if (passedMiliSeconds(3500))
            _state = 50;
        break;
    case 50:
        startChrono();
        ask();
        _state = 51;
        break;
    case 51:
        timedAnswer(50, 52);
        break;
    case 52:
        ask();
        startChrono();
        _state = 53;
        break;
    case 53:
        timedAnswer(52, 60);
        break;
    case 60:
        createMonster(0, 0, 500, 300, "NinjaEestado6");
        _state = 61;
        break;
    case 61:
        if (monsterDied("NinjaEestado6")) {
            killSlot(0);
            clearBoard();
            _state = 70;
        }
        break;
    case 70:
        startChrono();
        ask();
        _state = 71;
        break;
    case 71:
        timedAnswer(70, 80);
        break;
    case 80:
        destroyScenery("PortaSalaG");
        sound("door_sliding.wav");
        createMonster(1, 0, 711, -245, "NinjaEestado8a");
        createMonster(0, 1, 900, -400, "NinjaEestado8b");
        clearBoard();
        _state = 81;
        break;
    case 81:
        if (monsterDied("NinjaEestado8a")) {
            log("going kill ninjaeestado8A ");
            killSlot(0);
            clearBoard();
        } else if (monsterDied("NinjaEestado8b")) {
            dropAntennaTool();
            clearBoard();
        } else if (!_ninja[0] && !_ninja[1]) {
            _state = 90;
        }
        break;
    case 90:
        clearBoard();
        message(L"Voce encontrou a ferramenta necessaria\npara regular a antena!!");
        _state = 91;
        break;
    case 91:
        if (messageClosed()) {
            clearBoard();
            _state = 92;
        }
        break;
    case 92:
        if (holds("tool4Antenna")) {
            clearBoard();
            _state = 100;
        }
        break;
    case 100:
        if (objectSignalled("Antena")) {
            sound("tuning.wav");
            message(L"Sinal recuperado. Computador online.\nIniciando download...");
            clearBoard();
            _state = 101;
        }
        break;
    case 101:
        if (messageClosed()) {
            startChrono();
            _state = 102;
        }
        break;
    case 102:
        if (passedMiliSeconds(700)) {
            message(L"Software de comunicacao danificado.\nVerifique o computador.");
            clearBoard();
            _state = 103;
        }
        break;
    case 103:
        if (messageClosed()) {
            clearBoard();
            _state = 104;
        }
        break;
    case 104:
        if (objectSignalled("Computador")) {
            clearBoard();
            ask();
            _state = 105;
        }
        break;
    case 105:
        wait_answer_and_switch(120, 110);
        break;
    case 110:
        _state = 104;
        break;
    case 120:
        message(
            L"Voce precisa do certificado de seguranca,\nguardado em uma sala. Ache o interruptor da porta.");
        _state = 121;
        break;
    case 121:
        if (messageClosed()) {
            clearBoard();
            _state = 130;
        }
        break;
    case 130:
        ask();
        _state = 140;
        break;
    case 140:
        wait_answer_and_switch(150, 130);
        break;
    case 150:
        if (objectSignalled("InterruptorSala")) {
            clearBoard();
            createMonster(0, 0, 800, 800, "NinjaCertificado");
            sound("door_sliding.wav");
            if (GenericObj* door = scenery("PortaSalaE"))
                door->getNode()->setPosition(posPortaSalaE - vector3df(0, 1000, 0));
            _state = 160;
        }
        break;
    case 160:
        if (holds("Certificado")) {
            message(L"Acione o computador com o novo certificado\n");
            _state = 170;
        }
        break;
    case 170:
        if (messageClosed()) {
            clearBoard();
            _state = 180;
        }
        break;
    case 180:
        if (objectSignalled("Computador")) {
            clearBoard();
            ask();
            _state = 190;
        }
        break;
    case 190:
        wait_answer_and_switch(200, 180);
        break;
    case 200:
        message(L"Conseguimos impedir o avanco alienigena!\nParabens!");
        _state = 210;
        break;
    case 210:
        if (messageClosed()) {
            clearBoard();
            endGame();
        }
        break;
    case 999:
        // The capture takes away a question on show too, so the message can be closed.
        GDialogs.CloseDialog();
        message(L"Voce foi capturado! Fim da linha.");
        _state = 210;
        break;
    default:
        break;
    }
}
