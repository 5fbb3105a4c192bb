// One ninja in the lobby ahead of the player, for the window tests, until the mission places the monsters.
#pragma once

#include <memory>

class Ninja;

std::unique_ptr<Ninja> placeOneNinja();
