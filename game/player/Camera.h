// The player: a first-person camera that walks the level, carries weapons, takes hits, dies, is pushed
// back when it bumps into things, and draws its status.
#pragma once

#include <functional>
#include <irrlicht.h>
#include <memory>
#include <string>
#include <vector>

#include "messaging/Character.h"
#include "player/ScreenMessage.h"
#include "shell/Executable.h"
#include "world/Collidable.h"

class Arma;
class PlayerBody;
class StatusBar;

class Camera : public Character, public Executable, public Collidable {
public:
    // The keys of the engine's first-person camera; none when left out, so that only the game moves him.
    explicit Camera(const std::vector<irr::SKeyMap>& keys = {});
    // Walking, strafing and jumping on the arrows and the space bar.
    static std::vector<irr::SKeyMap> walkingKeys();
    ~Camera() override;

    void shoot() override;
    // Takes the weapon into his own hands (and deletes one of its kind he held) and puts it in use.
    void pegarArma(Arma* arma) override;
    void die() override;

    void rcvMessage(int) override {}
    irr::scene::ISceneNode* getNode() override { return _node; }
    irr::core::vector3df getPosition() override { return _node->getPosition(); }
    void gotShoot(int dmg, irr::core::vector3df pos, irr::core::vector3df angulo) override;
    void collided(Collidable* who) override;
    bool ownsNode(irr::scene::ISceneNode* node) override;
    // The ears follow the eye; then the status is drawn.
    void exec() override;

    void trigger() { _trigger = true; }
    void switchArma(bool up);
    void trocarArma(Arma* a);
    void setColision(irr::scene::ITriangleSelector* selector);
    void drawStatus();
    void drawCrosshair();
    void stopAtEdgeOf(Collidable* who);
    void pushBack();
    void feed(long n);
    StatusBar* getMealBar() { return _mealBar.get(); }

    Arma* getArma() const { return _armaPrincipal; }
    const std::vector<Arma*>& getWeapons() const { return _armas; }
    irr::scene::ISceneNode* getBody() const;

    // What the mission does when the player is captured; it runs once, on the hit that kills him.
    void onCaptured(std::function<void()> handler) { _captured = std::move(handler); }
    // Where the status drawing learns which screen message the dialogs show.
    void readMessagesFrom(std::function<ScreenMessage()> source) { _message = std::move(source); }

    // The ammunition as the status shows it: the count, "-" when unlimited, nothing without a weapon.
    static std::string ammoText(const Arma* arma);

private:
    Arma* _armaPrincipal = nullptr;
    unsigned char _armaPrincipalPos = 0;
    std::vector<Arma*> _armas;
    irr::gui::IGUIFont* _fontStatus = nullptr;
    std::unique_ptr<StatusBar> _mealBar;
    bool _trigger = true;
    irr::scene::ICameraSceneNode* _node = nullptr;
    PlayerBody* _body = nullptr;
    bool _dead = false;
    std::function<void()> _captured;
    std::function<ScreenMessage()> _message;
};

// The player.
extern Camera* GmainCamera;
