// The message interface of every game object that can be told something with a small integer.
#pragma once

#include <irrlicht.h>

class Interactive {
public:
    virtual void rcvMessage(int id) = 0;
    // Takes back every timed message still pending for this object and every signal it posted, so none
    // reaches it or names it once it is gone.
    virtual ~Interactive();

    const irr::core::stringc& getName() const { return _name; }
    // Given by whoever places the object; its signals and log lines carry it.
    void setName(const irr::core::stringc& name) { _name = name; }

protected:
    irr::core::stringc _name;
};
