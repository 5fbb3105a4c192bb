// Base of every object that runs once per frame through the execution list Gexecucao.
#include "shell/Executable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "shell/Global.h"

Executable::Executable()
{
    Gexecucao.push_back(this);
}

Executable::~Executable() = default;

void Executable::msg(irr::u32) {}

void Executable::drop()
{
    auto found = std::find(Gexecucao.begin(), Gexecucao.end(), this);
    if (found == Gexecucao.end()) {
        std::puts("Executable::drop ERROR");
        std::fflush(stdout);
        std::getchar();
        std::exit(0);
    }
    Gexecucao.erase(found);
}
