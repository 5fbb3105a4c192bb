// The test ninja: 300 units ahead of where the player starts, in the same room.
#include "app/oneNinja.h"

#include "ai/Brain1.h"
#include "ai/Ninja.h"

std::unique_ptr<Ninja> placeOneNinja()
{
    auto ninja = std::make_unique<Ninja>(new Brain1());
    ninja->setName("Ninja0");
    ninja->getNode()->setPosition(irr::core::vector3df(200, 3, -350));
    return ninja;
}
