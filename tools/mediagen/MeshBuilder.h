// Builds geometry into one mesh part: quads, boxes and cylinders, with texture coordinates either
// stretched once over each face or repeating every few world units.
#pragma once

#include <irrlicht.h>

#include "Mesh.h"

class MeshBuilder {
public:
    using Vec = irr::core::vector3df;

    explicit MeshBuilder(MeshPart& part) : _part(part) {}

    // World units per texture repeat; 0 (the default) stretches the texture once over each face.
    void setUVScale(float unitsPerRepeat) { _uvScale = unitsPerRepeat; }
    // Applied to every position added from now on (rotate, scale and place a piece).
    void setTransform(const irr::core::matrix4& transform) { _transform = transform; }

    // A flat quad facing the viewer that sees its corners clockwise: a top-left, b top-right,
    // c bottom-right, d bottom-left. u runs from a to b, v from a to d.
    void quad(const Vec& a, const Vec& b, const Vec& c, const Vec& d);
    // An axis-aligned box between two corners; its faces look out, or in (a room seen from inside).
    void box(const Vec& min, const Vec& max, bool facingIn = false);
    // An upright cylinder standing on the centre of its base; caps close its top and bottom.
    void cylinder(const Vec& baseCentre, float radius, float height, int segments, bool caps = true);
    // A single triangle with its own texture coordinates, front side as for quad.
    void triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c);

private:
    std::uint16_t vertex(const Vec& position, float u, float v);
    void uvQuad(const Vec& a, const Vec& b, const Vec& c, const Vec& d, float uSpan, float vSpan);
    void disc(const Vec& centre, float radius, int segments, bool facingUp);

    MeshPart& _part;
    float _uvScale = 0.0f;
    irr::core::matrix4 _transform;
};
