// The automatic player: one decision a frame, made from what a student sees, acted out through keys,
// mouse turns and clicks.
#include "demo/DemoPlayer.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "ai/NPC.h"
#include "demo/WorldView.h"
#include "plan/MissionState.h"
#include "platform/LogFile.h"
#include "player/Arma.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "shell/Engine.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "ui/conv.h"
#include "world/Inventory.h"

namespace {

using irr::core::vector3df;

// Messages are left up long enough to be read; hints are closed quickly.
const irr::u32 messageReadingTime = 1200;
const irr::u32 hintReadingTime = 400;
// A question window still up this long after it was answered is answered again.
const irr::u32 answerPatience = 4000;
// Monsters this close and in sight are fought wherever the player is going.
const irr::f32 sightRange = 1500.0f;
// Close enough to a scenery object to reach it with the hand.
const irr::f32 handReach = 100.0f;
// Standing this close to an item's place, the player is over it.
const irr::f32 onTop = 8.0f;
const irr::u32 useInterval = 400;
const irr::u32 fireInterval = 150;
// Within this angle of the target the hand or the shot does not miss.
const irr::f32 aimTolerance = 3.0f;
const irr::f32 walkTolerance = 35.0f;

irr::scene::ICameraSceneNode* view()
{
    return static_cast<irr::scene::ICameraSceneNode*>(GmainCamera->getNode());
}

vector3df eye()
{
    return view()->getAbsolutePosition();
}

vector3df viewRotation()
{
    return (view()->getTarget() - view()->getAbsolutePosition()).getHorizontalAngle();
}

irr::f32 rotateSpeed()
{
    for (irr::scene::ISceneNodeAnimator* a : view()->getAnimators())
        if (a->getType() == irr::scene::ESNAT_CAMERA_FPS)
            return static_cast<irr::scene::ISceneNodeAnimatorCameraFPS*>(a)->getRotateSpeed();
    return 0;
}

irr::f32 groundDistance(const vector3df& a, const vector3df& b)
{
    return irr::core::vector2df(a.X, a.Z).getDistanceFrom(irr::core::vector2df(b.X, b.Z));
}

bool carries(char kind)
{
    const auto& carried = GmainCamera->getWeapons();
    return std::any_of(carried.begin(), carried.end(), [kind](const Arma* a) { return a->tipo == kind; });
}

// The message as read off the screen, on one line.
void logMessage(const wchar_t* text)
{
    std::string line = "demo: message \"";
    for (const wchar_t* c = text; *c; ++c)
        line += *c == L'\n' ? ' ' : static_cast<char>(*c);
    GLog.writelf((line + "\"").c_str());
}

}

DemoPlayer::DemoPlayer(std::function<int()> missionState, AnswerBook answers, bool letMonstersWin)
    : _missionState(std::move(missionState)), _answers(std::move(answers)), _letMonstersWin(letMonstersWin),
      _controls(GDevice),
      _dialogs(_controls.input(), DialogGeometry::forScreen(Gconfig.res_x, Gconfig.res_y)),
      _route(RouteFollower::levelPlanner())
{
    GLog.writelf("DemoPlayer");
}

void DemoPlayer::logonFrame()
{
    if (!_loggingOn) {
        _loggingOn = true;
        _dialogs.logOn(conv(GUser.usuario), conv(GUser.senha));
    }
    _dialogs.step(GTimer->getRealTime());
}

void DemoPlayer::exec()
{
    const irr::u32 now = GTimer->getRealTime();
    if (_frames++ == 0)
        _started = now;
    _controls.beginFrame();
    noteState(_missionState(), now);
    if (handleDialogs(now) || handleMessage(now)) {
        _controls.stop();
        return;
    }
    play(MissionGoals::forState(_state), now);
}

void DemoPlayer::noteState(int state, irr::u32 now)
{
    if (state == _state)
        return;
    if (state == mission::theEnd)
        report(_state, now);
    char line[80];
    std::snprintf(line, sizeof line, "demo: state %d at %.1f s", state,
                  static_cast<double>(now - _started) / 1000.0);
    GLog.writelf(line);
    _state = state;
    _route.forget();
}

void DemoPlayer::report(int before, irr::u32 now)
{
    if (_reported)
        return;
    _reported = true;
    char line[160];
    std::snprintf(line, sizeof line, "demo: %s %.1f s after log-on, %u frames",
                  before == mission::captured || GmainCamera->getLife() <= 0 ? "captured"
                                                                         : "mission accomplished",
                  static_cast<double>(now - _started) / 1000.0, _frames);
    std::puts(line);
    std::fflush(stdout);
    GLog.writelf(line);
}

bool DemoPlayer::handleDialogs(irr::u32 now)
{
    if (_dialogs.step(now))
        return true;
    const std::optional<ShownQuestion> shown = DialogDriver::shownQuestion(GEnvironment);
    if (!shown) {
        _answering = false;
        return false;
    }
    if (!_answering || now - _answeredAt > answerPatience) {
        _answering = true;
        _answeredAt = now;
        answer(*shown);
    }
    return true;
}

void DemoPlayer::answer(const ShownQuestion& shown)
{
    const int given = _answersGiven[_state]++;
    const bool wrongOnPurpose = given < MissionGoals::wrongAnswers(_state);
    const std::optional<Reply> right = _answers.rightReply(shown);
    const Reply reply = wrongOnPurpose || !right ? _answers.wrongReply(shown) : *right;
    char line[120];
    std::snprintf(line, sizeof line, "demo: answer %d in state %d, %s", given + 1, _state,
                  wrongOnPurpose ? "wrong on purpose"
                  : right        ? "right"
                                 : "not in the bank");
    GLog.writelf(line);
    _dialogs.answer(reply, !shown.alternatives.empty());
}

// Hints let the player go on; a message box holds the game until it is closed.
bool DemoPlayer::handleMessage(irr::u32 now)
{
    const wchar_t* text = GMessageBox.text();
    if (!text) {
        _messageRead.clear();
        return false;
    }
    const bool holding = GMessageBox.holdsGame();
    // A message may take a hint's place before the hint is closed: it is read from its own start.
    if (_messageRead != text) {
        _messageRead = text;
        _messageSeen = now;
        if (holding)
            logMessage(text);
    }
    if (now - _messageSeen > (holding ? messageReadingTime : hintReadingTime))
        _controls.tap(holding ? irr::KEY_RETURN : irr::KEY_SPACE);
    return holding;
}

void DemoPlayer::play(const Goal& goal, irr::u32 now)
{
    if (_letMonstersWin) {
        giveUp(now);
        return;
    }
    if (fight(goal.kind == GoalKind::fight, now))
        return;
    if (goal.kind == GoalKind::touch)
        touch(goal.targets.front(), now);
    else if (goal.kind == GoalKind::collect)
        collect(goal, now);
    else
        _controls.stop();
}

// Goes up to the nearest monster and stands there with the hand in use.
void DemoPlayer::giveUp(irr::u32 now)
{
    const std::vector<NPC*> monsters = WorldView::livingMonsters(eye());
    if (monsters.empty())
        _controls.stop();
    else
        walkTo(monsters.front()->getPosition(), 30, now);
}

bool DemoPlayer::fight(bool hunt, irr::u32 now)
{
    const std::vector<NPC*> monsters = WorldView::livingMonsters(eye());
    for (NPC* monster : monsters) {
        const vector3df centre = WorldView::centreOf(monster->getNode());
        if (eye().getDistanceFrom(centre) < sightRange && WorldView::clearSight(eye(), centre)) {
            engage(centre, now);
            return true;
        }
    }
    if (!hunt || monsters.empty())
        return false;
    walkTo(monsters.front()->getPosition(), 100, now);
    return true;
}

// The wand when the player has it, the sniper weapon before; walks up to the monster until close
// enough for the shot to tell, and fires whenever the sight is on it.
void DemoPlayer::engage(const vector3df& centre, irr::u32 now)
{
    const char kind = carries('M') ? 'M' : 'H';
    const irr::f32 closeEnough = kind == 'M' ? 450.0f : 180.0f;
    const irr::f32 distance = eye().getDistanceFrom(centre);
    const ViewTurn turn = Steering::turnToward(viewRotation(), eye(), centre);
    _controls.turn(turn, rotateSpeed());
    if (distance > closeEnough && std::fabs(turn.yaw) < walkTolerance)
        _controls.walk({irr::KEY_UP});
    else
        _controls.stop();
    if (!_controls.holdWeapon(GmainCamera, kind) || !turn.within(aimTolerance) || now < _nextUse)
        return;
    const Arma* weapon = GmainCamera->getArma();
    if (distance < weapon->getRange()) {
        _controls.click();
        _nextUse = now + fireInterval;
    }
}

void DemoPlayer::touch(const char* name, irr::u32 now)
{
    vector3df centre;
    if (!WorldView::reachPoint(name, eye(), centre)) {
        _controls.stop();
        return;
    }
    if (groundDistance(eye(), centre) > handReach) {
        walkTo(centre, handReach - 10, now);
        return;
    }
    _controls.stop();
    useAt(centre, now);
}

// Walks onto the first item not yet held, where touching it picks it up, and reaches for it with the
// hand on the way, for an item the walk cannot reach. A tumbling item's box centre is often empty air
// and, stopped short of its own place, the player may stand out of its touch: the item's own place is
// on its body and is where the touch is measured from.
void DemoPlayer::collect(const Goal& goal, irr::u32 now)
{
    for (const char* name : goal.targets) {
        vector3df place;
        if (GInventory.contains(name) || !WorldView::placeOf(name, place))
            continue;
        if (groundDistance(eye(), place) > handReach) {
            walkTo(place, handReach - 10, now);
            return;
        }
        if (groundDistance(eye(), place) > onTop)
            _controls.walk({irr::KEY_UP});
        else
            _controls.stop();
        useAt(place, now);
        return;
    }
    _controls.stop();
}

void DemoPlayer::useAt(const vector3df& centre, irr::u32 now)
{
    const ViewTurn turn = Steering::turnToward(viewRotation(), eye(), centre);
    _controls.turn(turn, rotateSpeed());
    if (_controls.holdWeapon(GmainCamera, 'I') && turn.within(aimTolerance) && now >= _nextUse) {
        _controls.click();
        _nextUse = now + useInterval;
    }
}

void DemoPlayer::walkTo(const vector3df& target, irr::f32 reach, irr::u32 now)
{
    const vector3df from = eye();
    const irr::core::vector2df point = _route.next(from, target, reach, now);
    if (point == irr::core::vector2df(from.X, from.Z)) {
        _controls.stop();
        return;
    }
    const ViewTurn turn =
        Steering::turnLevelToward(viewRotation(), from, vector3df(point.X, from.Y, point.Y));
    _controls.turn(turn, rotateSpeed());
    std::set<irr::EKEY_CODE> keys;
    if (std::fabs(turn.yaw) < walkTolerance)
        keys.insert(irr::KEY_UP);
    if (_route.stuck(now))
        keys.insert((now / 2000) % 2 ? irr::KEY_LEFT : irr::KEY_RIGHT);
    _controls.walk(keys);
}
