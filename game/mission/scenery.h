// The station as the mission builds it: the level, its sky, its furniture, the objects of the scenery list
// and what stops the player.
#pragma once

#include <irrlicht.h>

void loadLevel();
void addSky();
void addPicture();
void addTablesAndChairs();
// Every object of a scenery list. A list that cannot be opened ends the game: the mission cannot be
// played without its doors and terminals. A faulty entry is reported and the entries before it load.
void load_collectables(const irr::core::stringc& filename);
// The level and every object that asked to block the player, handed to him.
void buildBlockingSet();
