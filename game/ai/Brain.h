// A monster's mind: one current action run each frame, and the stun that pauses it.
#pragma once

#include <irrlicht.h>

#include "messaging/Interactive.h"

class NPC;

class Brain : public Interactive {
public:
    using Acao = void (Brain::*)();

    Brain();
    ~Brain() override;

    virtual void exec();
    void setChar(NPC* who) { _char = who; }
    NPC* getChar() const { return _char; }
    void setAction(Acao acao) { _acao = acao; }
    void doNothing() {}
    void stunt(irr::u32 time);
    void stuntExec();

protected:
    irr::u32 stuned = 0;
    int _state = 0;
    Acao _acao;
    NPC* _char = nullptr;
    int _message = 0;
};
