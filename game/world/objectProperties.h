// The object property string of scenery objects and collectables: free text searched for its keys.
#pragma once

#include <irrlicht.h>
#include <string>

class Collidable;

// The number after "collision=", read from at most the ten characters that follow it as atoi reads;
// 0 when the key is absent.
long long collisionRange(const std::string& parameters);
// True when `key` occurs anywhere in the string, exactly and case-sensitively.
bool hasKey(const std::string& parameters, const char* key);
// Registers `object` for collision on `node` when the string asks for a range above 0, blocking the
// player when it also holds "collisionCamera".
void applyCollision(Collidable& object, const std::string& parameters, irr::scene::IMeshSceneNode* node);
