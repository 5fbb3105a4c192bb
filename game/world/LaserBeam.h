// Straight textured beams between two points, drawn as thin stretched cubes, and their removal.
#pragma once

#include <irrlicht.h>
#include <vector>

class LaserBeam {
public:
    // `seeThrough` beams are drawn over everything, walls included.
    LaserBeam(irr::scene::ISceneManager* smgr, const char* texture, bool seeThrough = false);
    // The beams' nodes stay in the scene.
    ~LaserBeam() = default;
    LaserBeam(const LaserBeam&) = delete;
    LaserBeam& operator=(const LaserBeam&) = delete;

    // A beam `distancia` long centred between `a` and `b`, pointing from `a` to `b`.
    void newLine(irr::core::vector3df a, irr::core::vector3df b, float distancia);
    // Hides the first beam centred between `a` and `b`, in either order; false when there is none.
    bool deleteLine(irr::core::vector3df a, irr::core::vector3df b);

    std::size_t size() const { return lines.size(); }

    static irr::core::vector3df pontoMedio(const irr::core::vector3df& a, const irr::core::vector3df& b);
    // Rotation in degrees that turns the Z axis from `v` toward `r`.
    static irr::core::vector3df getTargetAngle(const irr::core::vector3df& v, const irr::core::vector3df& r);

private:
    irr::scene::ISceneManager* smgr;
    irr::video::ITexture* img;
    std::vector<irr::scene::IMeshSceneNode*> lines;
    bool seeThrough;
};
