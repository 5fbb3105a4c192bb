// The automatic player of --demo, set up to log on and to play the mission.
#pragma once

#include <memory>

class CommandLine;
class DemoPlayer;

std::unique_ptr<DemoPlayer> startDemo(const CommandLine& options);
