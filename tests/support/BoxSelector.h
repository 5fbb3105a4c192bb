// The triangles of a box standing in the scene, as route planning and sight tests see a wall.
#pragma once

#include "shell/Engine.h"

// A box centred at `at`, `size` wide along each axis; the scene keeps the selector.
inline irr::scene::ITriangleSelector* boxSelector(const irr::core::vector3df& at, const irr::core::vector3df& size)
{
    irr::scene::IMeshSceneNode* node = GSmgr->addCubeSceneNode(1, nullptr, -1, at, {0, 0, 0}, size);
    node->updateAbsolutePosition();
    irr::scene::ITriangleSelector* selector = GSmgr->createTriangleSelector(node->getMesh(), node);
    node->setTriangleSelector(selector);
    selector->drop();
    return selector;
}
