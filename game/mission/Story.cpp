#include "mission/Story.h"

#include <string>

#include "ai/Brain1.h"
#include "ai/Ninja.h"
#include "ai/Spider.h"
#include "mission/hintText.h"
#include "mission/scenery.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "platform/Sound.h"
#include "platform/StateReset.h"
#include "player/Camera.h"
#include "player/NoWeapon.h"
#include "player/Sniper.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "world/CBillboard.h"
#include "world/oneShotSound.h"

Story* GStory = nullptr;

namespace {

const bool resetRegistered = registerReset([] { GStory = nullptr; });

}

using irr::core::stringc;
using irr::core::vector3df;

namespace {

const float WrongAnswerCost = 3;

// What the question window shows in test mode, where no server is asked.
Question testQuestion()
{
    Question question;
    question.type = '2';
    question.text = "free text";
    question.fields = {"strvector [1]", "strvector [2]", ""};
    return question;
}

}  // namespace

Story::Story() = default;

Story::~Story()
{
    for (int slot = 0; slot < slots; ++slot)
        killSlot(slot);
    if (_music)
        _music->drop();
    if (GmainCamera)
        GmainCamera->onCaptured(nullptr);
    delete _goodBill;
    delete _badBill;
}

void Story::start()
{
    GLog.writelf("Story::start");
    _state = mission::firstNinja;
    _skip_to_state = 1;
    loadScenery(0);
    GDevice->getCursorControl()->setVisible(false);
    GmainCamera->pegarArma(new Sniper());
    GmainCamera->pegarArma(new NoWeapon());
    GmainCamera->onCaptured([this] { setState(mission::captured); });
}

void Story::loadScenery(int)
{
    GLog.writelf("Story::loadScenery");
    loadLevel();
    addSky();
    GmainCamera->getNode()->setPosition(vector3df(200, 100, -650));
    addPicture();
    addTablesAndChairs();
    load_collectables(Gexepath + "\\media\\lista.txt");
    buildBlockingSet();
    _goodBill = new CBillboard(Gexepath + "\\media\\oksign.png", "magic.wav", irr::core::vector2df(3, 3));
    _badBill = new CBillboard(Gexepath + "\\media\\badsign.png", "magic.wav", irr::core::vector2df(5, 5));
}

void Story::startChrono()
{
    _timeToGo = GTimer->getRealTime();
}

bool Story::passedMiliSeconds(int t) const
{
    return GTimer->getRealTime() > _timeToGo + static_cast<irr::u32>(t);
}

void Story::sound(const stringc& s)
{
    GLog.writelf("Story::sound");
    playOneShot(Gexepath + "\\media\\Sound\\" + s, GmainCamera->getNode()->getPosition());
}

void Story::message(const wchar_t* text)
{
    GDialogs.showMessageBox(L" AVISO ", text);
}

void Story::createMonster(int type, int number, int x, int y, const stringc& name)
{
    GLog.writelf(("Story::createMonster " + std::string(name.c_str()) + " , " + std::to_string(number) +
                  " ,(" + std::to_string(x) + "," + std::to_string(y))
                     .c_str());
    if (_ninja[number])
        return;
    _brain1[number] = new Brain1();
    if (type == 0)
        _ninja[number] = new Ninja(_brain1[number]);
    else
        _ninja[number] = new Spider(_brain1[number]);
    _ninja[number]->setName(name);
    irr::scene::ISceneNode* node = _ninja[number]->getNode();
    node->setPosition(vector3df(static_cast<float>(x), 3, static_cast<float>(y)));
    node->setRotation(vector3df(0, 200, 0));
    node->setVisible(true);
}

// The monster takes its brain with it and leaves the execution list and the board.
void Story::killSlot(int n)
{
    delete _ninja[n];
    _ninja[n] = nullptr;
    _brain1[n] = nullptr;
}

void Story::download_and_show_problem()
{
    GLog.writelf("Story::download_and_show_problem");
    flag_hint_enabled = false;
    _retryAt = 0;
    sound("sound18.wav");
    if (GcheatTests) {
        _question = testQuestion();
        _notice = false;
        GDialogs.showProblem(_question);
        return;
    }
    _reply.post(GquizWorker, [] { return getQuestion(-1); }, GTimer->getRealTime());
    _awaiting = Awaiting::question;
}

void Story::wait_answer_and_switch(int good, int bad)
{
    GLog.writelf(("Story::waitAnswer " + std::to_string(good) + " / " + std::to_string(bad)).c_str());
    if (retryPending())
        return;
    if (_awaiting == Awaiting::question) {
        takeQuestion();
        return;
    }
    if (_awaiting == Awaiting::verdict) {
        takeVerdict(good, bad);
        return;
    }
    if (GDialogs.isDialogOpened())
        return;
    if (_notice) {
        // The server's notice (a wrong password, an empty bank) is read, not answered: it costs nothing.
        GDialogs.CloseDialog();
        _notice = false;
        _retryAt = GTimer->getRealTime() + retryDelay;
        return;
    }
    if (GcheatTests) {
        GDialogs.CloseDialog();
        judge({"1"}, good, bad);
        return;
    }
    sendTheAnswer();
}

void Story::takeQuestion()
{
    if (!_reply.ready(GquizWorker))
        return;
    _awaiting = Awaiting::nothing;
    try {
        _question = readQuestion(_reply.take());
    } catch (const std::exception&) {
        serverUnreachable();
        return;
    }
    _notice = _question.id == "0000";
    GDialogs.showProblem(_question);
}

// The window goes at once; the verdict comes while the player plays on.
void Story::sendTheAnswer()
{
    const std::string id = _question.id;
    const std::string answer = GDialogs.getAnswer();
    GDialogs.CloseDialog();
    _reply.post(GquizWorker, [id, answer] { return sendAnswer(id, answer); }, GTimer->getRealTime());
    _awaiting = Awaiting::verdict;
}

void Story::takeVerdict(int good, int bad)
{
    if (!_reply.ready(GquizWorker))
        return;
    _awaiting = Awaiting::nothing;
    judge(verdictFields(_reply.take()), good, bad);
}

void Story::judge(const std::vector<std::string>& verdict, int good, int bad)
{
    if (verdict[0] == "outch") {
        // No verdict came: the student is not punished for the network; he gets a question again.
        serverUnreachable();
        return;
    }
    flag_hint_enabled = true;
    if (countAttempt(good)) {
        _state = good;
        return;
    }
    if (verdict[0] == "1") {
        _state = good;
        _goodBill->show();
    } else {
        _state = bad;
        _badBill->show();
        GmainCamera->setLife(GmainCamera->getLife() - WrongAnswerCost);
        sound("Boing!.wav");
    }
}

void Story::forgetReply()
{
    _reply.forget();
    _awaiting = Awaiting::nothing;
}

bool Story::loggedOn()
{
    return GcheatTests || _logon.passed(GTimer->getRealTime());
}

bool Story::countAttempt(int good)
{
    if (good == _lastVerdict)
        return ++_repeats > 2;
    _repeats = 1;
    _lastVerdict = good;
    return false;
}

void Story::serverUnreachable()
{
    GLog.writelf("Story: no question from the quiz server; asking again shortly");
    message(L"O servidor de questoes nao respondeu.\nNova tentativa em alguns segundos.");
    _retryAt = GTimer->getRealTime() + retryDelay;
}

// A question is asked again once the delay is over and the player has closed the message.
bool Story::retryPending()
{
    if (_retryAt == 0)
        return false;
    if (GTimer->getRealTime() >= _retryAt && GDialogs.closedMessageBox())
        download_and_show_problem();
    return true;
}

void Story::showHint()
{
    GLog.writelf("Story::showHint");
    if (const wchar_t* text = hintText(_state))
        GMessageBox.showHint(text);
}
