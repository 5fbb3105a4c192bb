// mediagen: writes the game's whole media folder from code.
#include <cstdio>

#include "OutputFolder.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mediagen MEDIA_FOLDER\n");
        return 2;
    }
    OutputFolder out(argv[1]);
    out.writeText(".generated", "");
    return 0;
}
