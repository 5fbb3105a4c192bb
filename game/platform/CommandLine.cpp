// The game's command-line flags, a second way to ask for what the start-up keys ask.
#include "platform/CommandLine.h"

#include <cstring>

CommandLine::CommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc && _error.empty(); ++i) {
        if (std::strcmp(argv[i], "--editor") == 0)
            _editor = true;
        else if (std::strcmp(argv[i], "--one-ninja") == 0)
            _oneNinja = true;
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
    return "usage: satlink [--editor] [--test-mode] [--help]\n"
           "\n"
           "  --editor      open the waypoint editor (same as holding E while the game starts)\n"
           "  --test-mode   test mode: no quiz server log-on, a fixed test question, every answer\n"
           "                right (same as holding L while the game starts, or P during play)\n"
           "  --help        print this text\n"
           "\n"
           "Keys held at start:  E  waypoint editor    L  test mode\n"
           "Keys in play:\n"
           "  arrow keys                 walk and strafe\n"
           "  mouse                      look around\n"
           "  Space                      jump; also closes a message\n"
           "  left mouse button          fire the weapon in hand\n"
           "  A or the mouse wheel       next weapon\n"
           "  Escape, Space or Return    close a message\n"
           "  P                          turn test mode on\n"
           "  O                          quit at once\n"
           "  G, D                       waypoint editor: select a waypoint, delete an edge\n"
           "\n"
           "Settings are read from config.xml beside the executable; the log goes to log.txt there.\n";
}
