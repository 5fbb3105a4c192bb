// The player: walking and looking through the engine's first-person camera, weapons, hits and status.
#include "player/Camera.h"

#include <cstdio>

#include "messaging/Blackboard.h"
#include "platform/LogFile.h"
#include "platform/SoundEngine.h"
#include "platform/StateReset.h"
#include "platform/nativepath.h"
#include "player/Arma.h"
#include "player/PlayerBody.h"
#include "player/StatusBar.h"
#include "shell/Engine.h"
#include "shell/mediaFile.h"

Camera* GmainCamera = nullptr;

namespace {

const bool resetRegistered = registerReset([] { GmainCamera = nullptr; });

}


namespace {

const irr::video::SColor figureColour(255, 128, 255, 0);
const irr::video::SColor crosshairColour(255, 240, 240, 240);
const irr::video::SColor crosshairRim(255, 20, 20, 20);

int screenWidth()
{
    return static_cast<int>(Gresolucao.Width);
}

int screenHeight()
{
    return static_cast<int>(Gresolucao.Height);
}

}

std::vector<irr::SKeyMap> Camera::walkingKeys()
{
    return {{irr::EKA_MOVE_FORWARD, irr::KEY_UP},
            {irr::EKA_MOVE_BACKWARD, irr::KEY_DOWN},
            {irr::EKA_STRAFE_LEFT, irr::KEY_LEFT},
            {irr::EKA_STRAFE_RIGHT, irr::KEY_RIGHT},
            {irr::EKA_JUMP_UP, irr::KEY_SPACE}};
}

Camera::Camera(const std::vector<irr::SKeyMap>& keys)
{
    setLife(100.0f);
    setDefence(1.0f);
    _collisionRange = 75.0f;
    _fontStatus = GEnvironment->getFont(nativePath((Gexepath + "\\media\\battlefield.bmp").c_str()).c_str());
    _mealBar =
        std::make_unique<StatusBar>(500, irr::core::position2di(30, screenHeight() - 10),
                                    irr::core::dimension2di(200, 10), irr::video::SColor(255, 255, 0, 0));
    // The engine puts its own keys in place of an empty map; key code 0, which no key produces, stands for none.
    std::vector<irr::SKeyMap> keyMap = keys;
    if (keyMap.empty())
        keyMap.emplace_back(irr::EKA_MOVE_FORWARD, static_cast<irr::EKEY_CODE>(0));
    _node = GSmgr->addCameraSceneNodeFPS(nullptr, 100.0f, 0.5f, -1, keyMap.data(), static_cast<irr::s32>(keyMap.size()),
                                         true, 10.0f, false, true);
    _node->setName("camera");
    // Rays and the sweep meet the body, not the camera, whose box spans everything it sees.
    _body = new PlayerBody(_node, GSmgr);
    attachSelector(GSmgr->createTriangleSelectorFromBoundingBox(_body), _body);
    _body->drop();
}

// The weapons stay: the mission made them and they live for the whole run.
// The player owns the weapons he took.
Camera::~Camera()
{
    for (Arma* arma : _armas)
        delete arma;
}

irr::scene::ISceneNode* Camera::getBody() const
{
    return _body;
}

bool Camera::ownsNode(irr::scene::ISceneNode* node)
{
    return node == _node || node == _body;
}

// Called every frame while the button is down: only the first call after trigger() fires.
void Camera::shoot()
{
    if (!_trigger)
        return;
    _trigger = false;
    if (!_armaPrincipal)
        return;
    // The player's own rays start inside his body; it sits out of the ray test while his weapon fires.
    _body->setVisible(false);
    _armaPrincipal->shoot();
    _body->setVisible(true);
}

void Camera::pegarArma(Arma* arma)
{
    GLog.writelf("Camera::pegarArma");
    Arma* replaced = nullptr;
    for (auto it = _armas.begin(); it != _armas.end();) {
        if ((*it)->tipo == arma->tipo) {
            replaced = *it;
            it = _armas.erase(it);
        } else {
            ++it;
        }
    }
    _armas.push_back(arma);
    arma->attachTo(_node);
    _armaPrincipalPos = static_cast<unsigned char>(_armas.size() - 1);
    trocarArma(_armas[_armaPrincipalPos]);
    // Only once the new weapon is in hand: the old one may have been it.
    delete replaced;
}

void Camera::switchArma(bool up)
{
    GLog.writelf("Camera::switchArma");
    if (_armas.empty())
        return;
    _armaPrincipalPos = static_cast<unsigned char>(_armaPrincipalPos + (up ? 1 : 255));
    if (_armaPrincipalPos == 255)
        _armaPrincipalPos = static_cast<unsigned char>(_armas.size() - 1);
    else if (_armaPrincipalPos == _armas.size())
        _armaPrincipalPos = 0;
    trocarArma(_armas[_armaPrincipalPos]);
}

void Camera::trocarArma(Arma* a)
{
    GLog.writelf("Camera::trocarArma");
    if (_armaPrincipal)
        _armaPrincipal->show(false);
    _armaPrincipal = a;
    a->show(true);
}

void Camera::setColision(irr::scene::ITriangleSelector* selector)
{
    irr::scene::ISceneNodeAnimator* response = GSmgr->createCollisionResponseAnimator(
        selector, _node, irr::core::vector3df(20, 30, 20), irr::core::vector3df(0, -20, 0),
        irr::core::vector3df(0, 50, 0), 0.0005f);
    _node->addAnimator(response);
    response->drop();
}

// The capture happens once: a dead player hit again changes nothing more.
void Camera::die()
{
    if (_dead)
        return;
    _dead = true;
    GLog.writelf("Camera::die");
    GBlackboard.singleSignal(this, "Camera", 3, "");
    if (_captured)
        _captured();
}

void Camera::gotShoot(int dmg, irr::core::vector3df, irr::core::vector3df)
{
    char line[80];
    std::snprintf(line, sizeof line, "Camera::shoot %0.6f; hit= %d", static_cast<double>(getLife()), dmg);
    GLog.writelf(line);
    injure(static_cast<irr::u32>(dmg));
}

// An item he picks up lets him walk on; furniture stops him at its edge; anything else pushes him back.
void Camera::collided(Collidable* who)
{
    switch (who ? who->touchForPlayer() : Touch::pushBack) {
    case Touch::passThrough:
        return;
    case Touch::stop:
        stopAtEdgeOf(who);
        return;
    case Touch::pushBack:
        pushBack();
        return;
    }
}

// Out to the edge of the touch, level, on the side he came from: the next sweep finds them apart.
void Camera::stopAtEdgeOf(Collidable* who)
{
    const irr::core::vector3df at = _node->getPosition();
    irr::core::vector3df away = at - who->getPosition();
    away.Y = 0;
    const irr::f32 edge = (_collisionRange + who->getCollisionRange()) * 0.5f + 1;
    if (away.getLength() >= edge)
        return;
    if (away.getLengthSQ() < 1e-6f)
        away = irr::core::vector3df(0, 0, -1);
    away.setLength(edge);
    const irr::core::vector3df centre = who->getPosition();
    _node->setPosition(irr::core::vector3df(centre.X + away.X, at.Y, centre.Z + away.Z));
}

// Straight back from where the player looks, level: shorter the more he looks up or down.
void Camera::pushBack()
{
    irr::core::matrix4 m = _node->getAbsoluteTransformation();
    irr::core::vector3df back(0, 0, -20);
    m.rotateVect(back);
    back *= irr::core::vector3df(1, 0, 1);
    _node->setPosition(back + _node->getAbsolutePosition());
}

void Camera::exec()
{
    if (GSound) {
        _node->updateAbsolutePosition();
        GSound->placeListener(_node->getAbsolutePosition(), _node->getTarget() - _node->getAbsolutePosition());
    }
    drawStatus();
}

// Life and ammunition stay in view under any message.
void Camera::drawStatus()
{
    const ScreenMessage message = _message ? _message() : ScreenMessage();
    _mealBar->set(getLife());
    _mealBar->printBar(GDriver, message);
    if (_armaPrincipal && _armaPrincipal->aims() && !message.holdsGame)
        drawCrosshair();
    if (!_fontStatus)
        return;
    const int h = screenHeight();
    const irr::core::stringw life(static_cast<int>(getLife()));
    _fontStatus->draw(life, irr::core::recti(30, h - 40, screenWidth(), h), figureColour);
    const irr::core::stringw municao(ammoText(_armaPrincipal).c_str());
    _fontStatus->draw(municao, irr::core::recti(screenWidth() - 100, h - 40, screenWidth(), h), figureColour);
}

// A small cross at the middle of the view, light with a dark rim, seen on any wall.
void Camera::drawCrosshair()
{
    const irr::core::position2di c(screenWidth() / 2, screenHeight() / 2);
    for (const auto& [colour, rim] : {std::pair{crosshairRim, 1}, std::pair{crosshairColour, 0}}) {
        GDriver->draw2DRectangle(colour, irr::core::recti(c.X - 9 - rim, c.Y - 1 - rim, c.X - 3 + rim, c.Y + 1 + rim));
        GDriver->draw2DRectangle(colour, irr::core::recti(c.X + 3 - rim, c.Y - 1 - rim, c.X + 9 + rim, c.Y + 1 + rim));
        GDriver->draw2DRectangle(colour, irr::core::recti(c.X - 1 - rim, c.Y - 9 - rim, c.X + 1 + rim, c.Y - 3 + rim));
        GDriver->draw2DRectangle(colour, irr::core::recti(c.X - 1 - rim, c.Y + 3 - rim, c.X + 1 + rim, c.Y + 9 + rim));
    }
}

void Camera::feed(long n)
{
    _mealBar->set(static_cast<float>(n));
}

std::string Camera::ammoText(const Arma* arma)
{
    if (!arma)
        return "";
    if (arma->getMunicao() < 0)
        return "-";
    return std::to_string(arma->getMunicao());
}
