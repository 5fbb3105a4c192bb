// The game's command-line flags, a second way to ask for what the start-up keys ask.
#include "platform/CommandLine.h"

#include <cstring>

CommandLine::CommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc && _error.empty(); ++i) {
        if (std::strcmp(argv[i], "--editor") == 0)
            _editor = true;
        else if (std::strcmp(argv[i], "--demo") == 0)
            _demo = true;
        else if (std::strcmp(argv[i], "--demo-die") == 0)
            _demo = _demoDie = true;
        else if (std::strcmp(argv[i], "--bank") == 0 && i + 1 < argc && argv[i + 1][0] != '\0')
            _bank = argv[++i];
        else if (std::strcmp(argv[i], "--bank") == 0)
            _error = "satlink: --bank needs a file (try --help)";
        else if (std::strcmp(argv[i], "--waypoints") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            _editor = true;
            _waypoints = argv[++i];
        } else if (std::strcmp(argv[i], "--waypoints") == 0)
            _error = "satlink: --waypoints needs a file (try --help)";
        else if (std::strcmp(argv[i], "--test-mode") == 0)
            _testMode = true;
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            _help = true;
        else
            _error = std::string("satlink: unknown option '") + argv[i] + "' (try --help)";
    }
}

const char* CommandLine::usage()
{
    return "usage: satlink [--editor] [--waypoints FILE] [--test-mode] [--demo [--bank FILE]] [--help]\n"
           "\n"
           "  --editor      open the waypoint editor (same as holding E while the game starts)\n"
           "  --waypoints FILE\n"
           "                open the waypoint editor on FILE: the monsters use it, and S saves the\n"
           "                edits back to it (default: media/OrvendMap/wayPoint.wpn)\n"
           "  --test-mode   test mode: no quiz server log-on, a fixed test question, every answer\n"
           "                right (same as holding L while the game starts, or P during play,\n"
           "                where config.xml says cheating=\"true\")\n"
           "  --demo        the game plays itself: walks, fights, answers (some answers wrong on\n"
           "                purpose) and prints how long the mission took; log-on with the user of\n"
           "                config.xml\n"
           "  --bank FILE   the question bank (GIFT) the demo takes its answers from (default: the\n"
           "                sample bank installed with quizd)\n"
           "  --help        print this text\n"
           "\n"
           "Keys held at start:  E  waypoint editor    L  test mode (where config.xml allows cheating)\n"
           "Keys in play:\n"
           "  arrow keys                 walk and strafe\n"
           "  mouse                      look around\n"
           "  Space                      jump; also closes a message\n"
           "  left mouse button          fire the weapon in hand\n"
           "  A or the mouse wheel       next weapon\n"
           "  Escape, Space or Return    close a message\n"
           "  P                          turn test mode on (where config.xml allows cheating)\n"
           "  O                          quit at once\n"
           "Keys of the waypoint editor (shown on screen while it is on):\n"
           "  G    select the waypoint nearest to you (slots 1, 2, then 1 again)\n"
           "  D    delete the connection between the two selected waypoints\n"
           "  N    new waypoint where you stand\n"
           "  C    connect the two selected waypoints both ways\n"
           "  X    delete the first selected waypoint and its connections\n"
           "  T    write the text dump to FILE.txt\n"
           "  S    save the graph to FILE in the binary format, the old file kept as FILE.bak\n"
           "\n"
           "Settings are read from config.xml beside the executable; the log goes to log.txt there.\n";
}
