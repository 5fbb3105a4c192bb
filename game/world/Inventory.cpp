// The items the player holds; the mission asks it whether the next step's item has been picked up.
#include "world/Inventory.h"

#include <algorithm>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "world/Collectable.h"

Inventory GInventory;

namespace {

const bool resetRegistered = registerReset([] { GInventory = Inventory(); });

}

void Inventory::insert(Collectable* item)
{
    _vec.push_back(item);
}

void Inventory::remove(Collectable* item)
{
    auto found = std::find(_vec.begin(), _vec.end(), item);
    if (found != _vec.end())
        _vec.erase(found);
}

void Inventory::removeAll(Collectable* item)
{
    _vec.erase(std::remove(_vec.begin(), _vec.end(), item), _vec.end());
}

bool Inventory::contains(const irr::core::stringc& name)
{
    GLog.writelf((irr::core::stringc("Inventory::contains? ") + name).c_str());
    return std::any_of(_vec.begin(), _vec.end(), [&name](Collectable* c) { return c->getName() == name; });
}
