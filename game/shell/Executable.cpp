// Base of every object that runs once per frame through the execution list Gexecucao.
#include "shell/Executable.h"

#include <algorithm>

#include "platform/StateReset.h"
#include "shell/fatal.h"

std::vector<Executable*> Gexecucao;

namespace {

const bool executionResetRegistered = registerReset([] { Gexecucao.clear(); });

}

Executable::Executable()
{
    Gexecucao.push_back(this);
}

Executable::~Executable()
{
    auto found = std::find(Gexecucao.begin(), Gexecucao.end(), this);
    if (found != Gexecucao.end())
        Gexecucao.erase(found);
}

void Executable::msg(irr::u32) {}

void Executable::drop()
{
    auto found = std::find(Gexecucao.begin(), Gexecucao.end(), this);
    if (found == Gexecucao.end()) {
        fatal("Executable::drop ERROR", FatalWait::forKey);
    }
    Gexecucao.erase(found);
}
