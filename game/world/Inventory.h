// The player's inventory: the items picked up, in pick-up order, asked about by name.
#pragma once

#include <irrlicht.h>
#include <vector>

class Collectable;

class Inventory {
public:
    Inventory() = default;

    // No test for duplicates: an item picked up twice is held twice.
    void insert(Collectable* item);
    // Takes out the first entry equal to `item`; nothing when it is absent.
    void remove(Collectable* item);
    // Takes out every entry equal to `item`.
    void removeAll(Collectable* item);
    // True when an item held has exactly that name, case included.
    bool contains(const irr::core::stringc& name);

    size_t size() const { return _vec.size(); }

private:
    std::vector<Collectable*> _vec;  // not owning
};

// What the player carries.
extern Inventory GInventory;
