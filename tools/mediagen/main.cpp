// mediagen: writes the game's whole media folder from code.
#include <cstdio>
#include <exception>

#include "ImageFiles.h"
#include "OutputFolder.h"
#include "generators/fonts.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mediagen MEDIA_FOLDER\n");
        return 2;
    }
    try {
        OutputFolder out(argv[1]);
        ImageFiles images;
        writeFonts(out, images);
        out.writeText(".generated", "");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mediagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
