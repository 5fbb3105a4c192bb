// The picture: a generated plane with an octree node and selector of its own.
#include "world/Quadro.h"

#include "shell/Engine.h"

Quadro::Quadro(irr::video::ITexture* texture, irr::core::dimension2df tileSize,
               irr::core::dimension2du tileCount, irr::core::dimension2df textureRepeat)
{
    irr::scene::IMesh* mesh =
        GSmgr->getGeometryCreator()->createPlaneMesh(tileSize, tileCount, nullptr, textureRepeat);
    _node = createSelector(mesh);
    mesh->drop();
    _node->setName("quadro");
    _collisionRange = 50;
    _node->setMaterialTexture(0, texture);
}
