// Base of every object that runs once per frame through the execution list Gexecucao.
#pragma once

#include <irrlicht.h>
#include <vector>

class Executable;

// The objects run on each frame, in the order they joined.
extern std::vector<Executable*> Gexecucao;

class Executable {
public:
    // Joins the end of Gexecucao.
    Executable();
    // Leaves Gexecucao if still there, so the next pass never runs a deleted object.
    virtual ~Executable();

    virtual void exec() = 0;
    virtual void msg(irr::u32 message);

    // Leaves Gexecucao; an object that is not there is a fatal error.
    void drop();
};
