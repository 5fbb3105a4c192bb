// The console end of a level that cannot be built: the player sees why before the window goes.
#include "world/fatalEnd.h"

#include <cstdio>
#include <cstdlib>

void fatalEnd(const char* text)
{
    std::puts(text);
    std::fflush(stdout);
    std::getchar();
    std::exit(0);
}
