// Baked shading and texture-atlas coordinates for props drawn unlit.
#include "shading.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

const int Levels = 4;

int shadeLevel(const MeshPart& part, std::size_t triangle)
{
    const MeshVertex& a = part.vertices[part.indices[triangle]];
    const MeshVertex& b = part.vertices[part.indices[triangle + 1]];
    const MeshVertex& c = part.vertices[part.indices[triangle + 2]];
    irr::core::vector3df n = irr::core::vector3df(b.x - a.x, b.y - a.y, b.z - a.z)
                                 .crossProduct(irr::core::vector3df(c.x - a.x, c.y - a.y, c.z - a.z));
    n.normalize();
    const irr::core::vector3df light = irr::core::vector3df(0.35f, 1.0f, -0.55f).normalize();
    const float lit = std::max(0.0f, n.dotProduct(light));
    return std::min(Levels - 1, static_cast<int>(lit * Levels));
}

MeshMaterial shaded(const MeshMaterial& material, int level)
{
    const float factor = 0.55f + 0.45f * static_cast<float>(level) / static_cast<float>(Levels - 1);
    MeshMaterial copy = material;
    copy.name = material.name + "_" + std::to_string(level);
    copy.r = static_cast<std::uint8_t>(static_cast<float>(material.r) * factor);
    copy.g = static_cast<std::uint8_t>(static_cast<float>(material.g) * factor);
    copy.b = static_cast<std::uint8_t>(static_cast<float>(material.b) * factor);
    return copy;
}

// The triangles of one shade level, with only the vertices they use.
MeshPart extract(const MeshPart& part, int level)
{
    MeshPart out{part.name + "_" + std::to_string(level), part.material + "_" + std::to_string(level), {}, {}};
    std::map<std::uint16_t, std::uint16_t> renumbered;
    for (std::size_t t = 0; t < part.indices.size(); t += 3) {
        if (shadeLevel(part, t) != level)
            continue;
        for (std::size_t k = 0; k < 3; ++k) {
            const std::uint16_t old = part.indices[t + k];
            auto found = renumbered.find(old);
            if (found == renumbered.end()) {
                found = renumbered.emplace(old, static_cast<std::uint16_t>(out.vertices.size())).first;
                out.vertices.push_back(part.vertices[old]);
            }
            out.indices.push_back(found->second);
        }
    }
    return out;
}

}  // namespace

Mesh bakeShading(const Mesh& mesh)
{
    Mesh out;
    for (const MeshPart& part : mesh.parts)
        for (int level = 0; level < Levels; ++level) {
            MeshPart piece = extract(part, level);
            if (!piece.indices.empty())
                out.parts.push_back(std::move(piece));
        }
    // Only the shades some part uses: some loaders make a (then empty) buffer for every material.
    for (const MeshMaterial& material : mesh.materials)
        for (int level = 0; level < Levels; ++level) {
            const MeshMaterial copy = shaded(material, level);
            const bool used = std::any_of(out.parts.begin(), out.parts.end(),
                                          [&](const MeshPart& part) { return part.material == copy.name; });
            if (used)
                out.materials.push_back(copy);
        }
    return out;
}

void squeezeUV(MeshPart& part, const irr::core::rectf& cell)
{
    for (MeshVertex& v : part.vertices) {
        v.u = cell.UpperLeftCorner.X + v.u * cell.getWidth();
        v.v = cell.UpperLeftCorner.Y + v.v * cell.getHeight();
    }
}
