// MilkShape 3D (.ms3d) writer.
#include "formats/WriterMS3D.h"

#include <stdexcept>

#include <irrlicht.h>

#include "ByteWriter.h"

namespace {

int materialIndex(const Mesh& mesh, const std::string& name)
{
    for (std::size_t i = 0; i < mesh.materials.size(); ++i)
        if (mesh.materials[i].name == name)
            return static_cast<int>(i);
    throw std::runtime_error("MS3D group uses unknown material " + name);
}

irr::core::vector3df faceNormal(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c)
{
    return irr::core::vector3df(b.x - a.x, b.y - a.y, b.z - a.z)
        .crossProduct(irr::core::vector3df(c.x - a.x, c.y - a.y, c.z - a.z))
        .normalize();
}

// The file is right-handed: z is negated and the corners reversed.
void writeVertices(ByteWriter& out, const Mesh& mesh)
{
    std::size_t count = 0;
    for (const MeshPart& part : mesh.parts)
        count += part.vertices.size();
    if (count > 0xFFFF)
        throw std::runtime_error("MS3D model has more than 65535 vertices");
    out.u16(static_cast<std::uint16_t>(count));
    for (const MeshPart& part : mesh.parts)
        for (const MeshVertex& v : part.vertices) {
            out.u8(0);
            out.f32(v.x);
            out.f32(v.y);
            out.f32(-v.z);
            out.u8(0xFF);  // no bone
            out.u8(1);
        }
}

void writeTriangles(ByteWriter& out, const Mesh& mesh)
{
    std::size_t count = 0;
    for (const MeshPart& part : mesh.parts)
        count += part.indices.size() / 3;
    out.u16(static_cast<std::uint16_t>(count));
    std::size_t base = 0;
    for (std::size_t g = 0; g < mesh.parts.size(); ++g) {
        const MeshPart& part = mesh.parts[g];
        for (std::size_t i = 0; i < part.indices.size(); i += 3) {
            const MeshVertex* corner[3] = {&part.vertices[part.indices[i + 2]], &part.vertices[part.indices[i + 1]],
                                           &part.vertices[part.indices[i]]};
            const irr::core::vector3df n = faceNormal(*corner[2], *corner[1], *corner[0]);
            out.u16(0);
            for (std::size_t k : {2, 1, 0})
                out.u16(static_cast<std::uint16_t>(base + part.indices[i + k]));
            for (int k = 0; k < 3; ++k) {
                out.f32(n.X);
                out.f32(n.Y);
                out.f32(-n.Z);
            }
            for (const MeshVertex* c : corner)
                out.f32(c->u);
            for (const MeshVertex* c : corner)
                out.f32(c->v);
            out.u8(1);
            out.u8(static_cast<std::uint8_t>(g));
        }
        base += part.vertices.size();
    }
}

void writeGroups(ByteWriter& out, const Mesh& mesh)
{
    out.u16(static_cast<std::uint16_t>(mesh.parts.size()));
    std::size_t first = 0;
    for (const MeshPart& part : mesh.parts) {
        out.u8(0);
        out.fixedString(part.name, 32);
        const std::size_t n = part.indices.size() / 3;
        out.u16(static_cast<std::uint16_t>(n));
        for (std::size_t t = 0; t < n; ++t)
            out.u16(static_cast<std::uint16_t>(first + t));
        out.u8(static_cast<std::uint8_t>(materialIndex(mesh, part.material)));
        first += n;
    }
}

void writeMaterials(ByteWriter& out, const Mesh& mesh)
{
    out.u16(static_cast<std::uint16_t>(mesh.materials.size()));
    for (const MeshMaterial& m : mesh.materials) {
        out.fixedString(m.name, 32);
        const float colour[4] = {m.r / 255.0f, m.g / 255.0f, m.b / 255.0f, 1.0f};
        for (int block = 0; block < 4; ++block)  // ambient, diffuse, specular, emissive
            for (float c : colour)
                out.f32(block == 1 || block == 0 ? c : 0.0f);
        out.f32(0.0f);  // shininess
        out.f32(1.0f);  // transparency: opaque
        out.u8(0);
        out.fixedString(m.texture, 128);
        out.fixedString("", 128);
    }
}

}  // namespace

void writeMS3D(const Mesh& mesh, const std::string& path)
{
    ByteWriter out;
    out.raw("MS3D000000", 10);
    out.i32(4);
    writeVertices(out, mesh);
    writeTriangles(out, mesh);
    writeGroups(out, mesh);
    writeMaterials(out, mesh);
    out.f32(25.0f);  // fps
    out.f32(0.0f);   // current time
    out.i32(0);      // frames
    out.u16(0);      // joints: the loader reads this count without checking the file's end
    out.save(path);
}
