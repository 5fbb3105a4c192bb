// The game's command-line flags, a second way to ask for what the start-up keys ask.
#pragma once

#include <string>

class CommandLine {
public:
    CommandLine(int argc, char** argv);

    bool editor() const { return _editor; }
    bool testMode() const { return _testMode; }
    bool help() const { return _help; }
    // The waypoint file the editor loads and saves (--waypoints FILE, which opens the editor too);
    // empty for the level's own.
    const std::string& waypoints() const { return _waypoints; }
    // Empty when every argument was understood; otherwise a line naming the first one that was not.
    const std::string& error() const { return _error; }

    // The flags and the keys, as --help prints them.
    static const char* usage();

private:
    bool _editor = false;
    bool _testMode = false;
    bool _help = false;
    std::string _waypoints;
    std::string _error;
};
