// mediagen: writes the game's whole media folder from code.
#include <cstdio>
#include <exception>

#include "ImageFiles.h"
#include "OutputFolder.h"
#include "generators/effects.h"
#include "generators/fonts.h"
#include "generators/icon.h"
#include "generators/music.h"
#include "generators/ninja.h"
#include "generators/props.h"
#include "generators/sounds.h"
#include "generators/spider.h"
#include "generators/super.h"
#include "generators/textures.h"
#include "generators/weapons.h"
#include "level/level.h"

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: mediagen MEDIA_FOLDER [WAYPOINT_FILE]\n");
        return 2;
    }
    // The level's waypoints live in the source tree, where the waypoint editor saves them.
    const char* waypoints = argc == 3 ? argv[2] : MEDIAGEN_WAYPOINTS;
    try {
        OutputFolder out(argv[1]);
        ImageFiles images;
        writeFonts(out, images);
        writeTextures(out, images);
        writeEffects(out, images);
        writeNinja(out, images);
        writeSpider(out, images);
        writeProps(out, images);
        writeWeapons(out, images);
        writeSuper(out, images);
        writeSounds(out);
        writeMusic(out);
        writeLevel(out, images, waypoints);
        writeIcon(out, images);
        out.writeText(".generated", "");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mediagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
