// Beams made of stretched cubes.
#include "world/LaserBeam.h"

#include <cmath>

namespace {

// 180 / 3.14, not 180 / pi: angles come out about 0.05 % large, a slant too small to see on a beam.
const irr::f32 Degrees = 57.32484f;

irr::f32 wrapDegrees(irr::f32 angle)
{
    if (angle < 0)
        angle += 360;
    if (angle >= 360)
        angle -= 360;
    return angle;
}

}  // namespace

LaserBeam::LaserBeam(irr::scene::ISceneManager* smgr, const char* texture, bool seeThrough)
    : smgr(smgr), img(smgr->getVideoDriver()->getTexture(texture)), seeThrough(seeThrough)
{
}

void LaserBeam::newLine(irr::core::vector3df a, irr::core::vector3df b, float distancia)
{
    irr::scene::IMeshSceneNode* beam =
        smgr->addCubeSceneNode(10, nullptr, -1, irr::core::vector3df(0, 0, 0), irr::core::vector3df(0, 0, 0),
                               irr::core::vector3df(1, 1, 1));
    beam->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    beam->setRotation(getTargetAngle(a, b));
    beam->setMaterialTexture(0, img);
    beam->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    beam->setMaterialFlag(irr::video::EMF_ZBUFFER, !seeThrough);
    beam->setPosition(pontoMedio(a, b));
    beam->setScale(irr::core::vector3df(0.2f, 0.2f, distancia / 10));
    lines.push_back(beam);
}

bool LaserBeam::deleteLine(irr::core::vector3df a, irr::core::vector3df b)
{
    const irr::core::vector3df middle = pontoMedio(a, b);
    for (auto beam = lines.begin(); beam != lines.end(); ++beam)
        if ((*beam)->getPosition().equals(middle)) {
            (*beam)->setVisible(false);
            lines.erase(beam);
            return true;
        }
    return false;
}

irr::core::vector3df LaserBeam::pontoMedio(const irr::core::vector3df& a, const irr::core::vector3df& b)
{
    return (a + b) / 2;
}

irr::core::vector3df LaserBeam::getTargetAngle(const irr::core::vector3df& v, const irr::core::vector3df& r)
{
    const irr::core::vector3df d = r - v;
    const irr::f32 y = wrapDegrees(std::atan2(d.X, d.Z) * Degrees);
    const irr::f32 h = std::sqrt(d.X * d.X + d.Z * d.Z);
    const irr::f32 x = wrapDegrees(std::atan2(h, d.Y) * Degrees - 90);
    return irr::core::vector3df(x, y, 0);
}
