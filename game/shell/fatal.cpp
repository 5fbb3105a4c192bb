// The game's single exit on failure.
#include "shell/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "platform/LogFile.h"

void fatal(const std::string& why, FatalWait wait)
{
    std::puts(why.c_str());
    std::fflush(stdout);
    GLog.writelf(why.c_str());
    if (wait == FatalWait::forKey)
        std::getchar();
    std::fflush(stdout);
    std::exit(1);
}

void endGame()
{
    std::fflush(stdout);
    std::exit(0);
}
