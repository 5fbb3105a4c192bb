// Geometry primitives built into a mesh part.
#include "MeshBuilder.h"

#include <cmath>
#include <stdexcept>

std::uint16_t MeshBuilder::vertex(const Vec& position, float u, float v)
{
    if (_part.vertices.size() >= 0xFFFF)
        throw std::runtime_error("mesh part " + _part.name + " has more than 65535 vertices");
    Vec placed = position;
    _transform.transformVect(placed);
    _part.vertices.push_back({placed.X, placed.Y, placed.Z, u, v});
    return static_cast<std::uint16_t>(_part.vertices.size() - 1);
}

void MeshBuilder::triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c)
{
    _part.indices.push_back(vertex({a.x, a.y, a.z}, a.u, a.v));
    _part.indices.push_back(vertex({b.x, b.y, b.z}, b.u, b.v));
    _part.indices.push_back(vertex({c.x, c.y, c.z}, c.u, c.v));
}

void MeshBuilder::uvQuad(const Vec& a, const Vec& b, const Vec& c, const Vec& d, float uSpan, float vSpan)
{
    const std::uint16_t ia = vertex(a, 0.0f, 0.0f);
    const std::uint16_t ib = vertex(b, uSpan, 0.0f);
    const std::uint16_t ic = vertex(c, uSpan, vSpan);
    const std::uint16_t id = vertex(d, 0.0f, vSpan);
    for (std::uint16_t index : {ia, ib, ic, ia, ic, id})
        _part.indices.push_back(index);
}

void MeshBuilder::quad(const Vec& a, const Vec& b, const Vec& c, const Vec& d)
{
    if (_uvScale > 0.0f)
        uvQuad(a, b, c, d, a.getDistanceFrom(b) / _uvScale, a.getDistanceFrom(d) / _uvScale);
    else
        uvQuad(a, b, c, d, 1.0f, 1.0f);
}

void MeshBuilder::box(const Vec& min, const Vec& max, bool facingIn)
{
    // Corners named by their sides: l/r = x, b/t = y, n/f = z (near = min z).
    const Vec lbn(min.X, min.Y, min.Z), rbn(max.X, min.Y, min.Z), ltn(min.X, max.Y, min.Z), rtn(max.X, max.Y, min.Z);
    const Vec lbf(min.X, min.Y, max.Z), rbf(max.X, min.Y, max.Z), ltf(min.X, max.Y, max.Z), rtf(max.X, max.Y, max.Z);
    auto face = [&](const Vec& a, const Vec& b, const Vec& c, const Vec& d) {
        if (facingIn)
            quad(b, a, d, c);
        else
            quad(a, b, c, d);
    };
    face(ltn, rtn, rbn, lbn);  // -z
    face(rtf, ltf, lbf, rbf);  // +z
    face(ltf, ltn, lbn, lbf);  // -x
    face(rtn, rtf, rbf, rbn);  // +x
    face(ltf, rtf, rtn, ltn);  // +y
    face(lbn, rbn, rbf, lbf);  // -y
}

void MeshBuilder::disc(const Vec& centre, float radius, int segments, bool facingUp)
{
    const float step = 2.0f * irr::core::PI / static_cast<float>(segments);
    for (int i = 0; i < segments; ++i) {
        const float a0 = step * static_cast<float>(i), a1 = step * static_cast<float>(i + 1);
        MeshVertex m{centre.X, centre.Y, centre.Z, 0.5f, 0.5f};
        MeshVertex p0{centre.X + radius * std::cos(a0), centre.Y, centre.Z + radius * std::sin(a0),
                      0.5f + 0.5f * std::cos(a0), 0.5f + 0.5f * std::sin(a0)};
        MeshVertex p1{centre.X + radius * std::cos(a1), centre.Y, centre.Z + radius * std::sin(a1),
                      0.5f + 0.5f * std::cos(a1), 0.5f + 0.5f * std::sin(a1)};
        // Angles grow from +x towards +z, which is anticlockwise seen from above in this left-handed space.
        if (facingUp)
            triangle(m, p1, p0);
        else
            triangle(m, p0, p1);
    }
}

void MeshBuilder::cylinder(const Vec& baseCentre, float radius, float height, int segments, bool caps)
{
    const float step = 2.0f * irr::core::PI / static_cast<float>(segments);
    const float circumference = 2.0f * irr::core::PI * radius;
    const float uTotal = _uvScale > 0.0f ? circumference / _uvScale : 1.0f;
    const float vTotal = _uvScale > 0.0f ? height / _uvScale : 1.0f;
    for (int i = 0; i < segments; ++i) {
        const float a0 = step * static_cast<float>(i), a1 = step * static_cast<float>(i + 1);
        const Vec r0(radius * std::cos(a0), 0.0f, radius * std::sin(a0));
        const Vec r1(radius * std::cos(a1), 0.0f, radius * std::sin(a1));
        const Vec up(0.0f, height, 0.0f);
        const float u0 = uTotal * static_cast<float>(i) / static_cast<float>(segments);
        const float u1 = uTotal * static_cast<float>(i + 1) / static_cast<float>(segments);
        const Vec t0 = baseCentre + r0 + up, t1 = baseCentre + r1 + up, b0 = baseCentre + r0, b1 = baseCentre + r1;
        // Seen from outside, growing angles run left to right.
        const std::uint16_t ia = vertex(t0, u0, 0.0f), ib = vertex(t1, u1, 0.0f);
        const std::uint16_t ic = vertex(b1, u1, vTotal), id = vertex(b0, u0, vTotal);
        for (std::uint16_t index : {ia, ib, ic, ia, ic, id})
            _part.indices.push_back(index);
    }
    if (caps) {
        disc(baseCentre + Vec(0.0f, height, 0.0f), radius, segments, true);
        disc(baseCentre, radius, segments, false);
    }
}

void MeshBuilder::frustum(const Vec& bottomCentre, float bottomHalfX, float bottomHalfZ, const Vec& topCentre,
                          float topHalfX, float topHalfZ)
{
    auto corner = [](const Vec& c, float hx, float hz, float sx, float sz) { return c + Vec(sx * hx, 0.0f, sz * hz); };
    const Vec lbn = corner(bottomCentre, bottomHalfX, bottomHalfZ, -1, -1), rbn = corner(bottomCentre, bottomHalfX, bottomHalfZ, 1, -1);
    const Vec lbf = corner(bottomCentre, bottomHalfX, bottomHalfZ, -1, 1), rbf = corner(bottomCentre, bottomHalfX, bottomHalfZ, 1, 1);
    const Vec ltn = corner(topCentre, topHalfX, topHalfZ, -1, -1), rtn = corner(topCentre, topHalfX, topHalfZ, 1, -1);
    const Vec ltf = corner(topCentre, topHalfX, topHalfZ, -1, 1), rtf = corner(topCentre, topHalfX, topHalfZ, 1, 1);
    quad(ltn, rtn, rbn, lbn);
    quad(rtf, ltf, lbf, rbf);
    quad(ltf, ltn, lbn, lbf);
    quad(rtn, rtf, rbf, rbn);
    if (topHalfX > 0.0f && topHalfZ > 0.0f)
        quad(ltf, rtf, rtn, ltn);
    if (bottomHalfX > 0.0f && bottomHalfZ > 0.0f)
        quad(lbn, rbn, rbf, lbf);
}

void MeshBuilder::sphere(const Vec& centre, float radius, int rings, int segments)
{
    // Vertices are made on first use: the poles need only one triangle per segment.
    std::vector<int> made(static_cast<std::size_t>((rings + 1) * (segments + 1)), -1);
    auto at = [&](int ring, int segment) {
        int& index = made[static_cast<std::size_t>(ring * (segments + 1) + segment)];
        if (index < 0) {
            const float polar = irr::core::PI * static_cast<float>(ring) / static_cast<float>(rings);
            const float around = 2.0f * irr::core::PI * static_cast<float>(segment) / static_cast<float>(segments);
            const Vec offset(std::sin(polar) * std::sin(around), std::cos(polar), -std::sin(polar) * std::cos(around));
            index = vertex(centre + offset * radius, static_cast<float>(segment) / static_cast<float>(segments),
                           static_cast<float>(ring) / static_cast<float>(rings));
        }
        return static_cast<std::uint16_t>(index);
    };
    for (int ring = 0; ring < rings; ++ring)
        for (int segment = 0; segment < segments; ++segment) {
            if (ring > 0)
                _part.indices.insert(_part.indices.end(), {at(ring, segment), at(ring, segment + 1), at(ring + 1, segment + 1)});
            if (ring < rings - 1)
                _part.indices.insert(_part.indices.end(), {at(ring, segment), at(ring + 1, segment + 1), at(ring + 1, segment)});
        }
}
