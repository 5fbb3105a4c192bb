// The one way the game ends on a failure it cannot go on from, and the failure type of its own code.
#pragma once

#include <stdexcept>
#include <string>

// What the socket and quiz code throws; caught where the failure is reported.
class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FatalWait { none, forKey };

// Says why on the console and in the log, waits for a key where the player must read it first, and ends
// the process with status 1, so that whoever started the game sees it failed.
[[noreturn]] void fatal(const std::string& why, FatalWait wait = FatalWait::none);
// Ends the process with status 0 once the console output is out.
[[noreturn]] void endGame();
