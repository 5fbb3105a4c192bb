// The inventory's own bookkeeping; what it holds after pick-ups is tested with the collectables.
#include <gtest/gtest.h>

#include "world/Inventory.h"

namespace {

// The inventory never looks inside the items it only stores or takes out, so plain addresses stand in.
TEST(InventoryTest, RemoveTakesOutTheFirstEntryOnly)
{
    Inventory held;
    alignas(8) char storage[2];
    Collectable* a = reinterpret_cast<Collectable*>(&storage[0]);
    Collectable* b = reinterpret_cast<Collectable*>(&storage[1]);
    held.insert(a);
    held.insert(b);
    held.insert(a);
    held.remove(a);
    EXPECT_EQ(held.size(), 2u);
    held.remove(a);
    held.remove(a);
    EXPECT_EQ(held.size(), 1u);
    held.removeAll(b);
    EXPECT_EQ(held.size(), 0u);
}

}
