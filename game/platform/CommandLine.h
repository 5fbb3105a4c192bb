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
    // The automatic player, and the question bank it answers from (--bank FILE; empty for the sample
    // bank installed with the quiz server).
    bool demo() const { return _demo; }
    const std::string& bank() const { return _bank; }
    // Not in the usage text: the automatic player lets the monsters win, for the tests of the capture.
    bool demoDie() const { return _demoDie; }
    // Empty when every argument was understood; otherwise a line naming the first one that was not.
    const std::string& error() const { return _error; }

    // The flags and the keys, as --help prints them.
    static const char* usage();

private:
    bool _editor = false;
    bool _testMode = false;
    bool _help = false;
    std::string _waypoints;
    bool _demo = false;
    bool _demoDie = false;
    std::string _bank;
    std::string _error;
};
