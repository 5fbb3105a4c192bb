// Reading the keys "collision=", "collisionCamera" and "rotate" out of an object's property string.
#include "world/objectProperties.h"

#include <cstdlib>

#include "world/Collidable.h"

long long collisionRange(const std::string& parameters)
{
    static const std::string key = "collision=";
    const std::string::size_type at = parameters.find(key);
    if (at == std::string::npos)
        return 0;
    // Ten digits may exceed an int, where atoi's result is undefined: read them into a wider type.
    return std::strtoll(parameters.substr(at + key.size(), 10).c_str(), nullptr, 10);
}

bool hasKey(const std::string& parameters, const char* key)
{
    return parameters.find(key) != std::string::npos;
}

void applyCollision(Collidable& object, const std::string& parameters, irr::scene::IMeshSceneNode* node)
{
    const long long range = collisionRange(parameters);
    if (range > 0)
        object.turnOnCollision(static_cast<irr::f32>(range), hasKey(parameters, "collisionCamera"), node);
}
