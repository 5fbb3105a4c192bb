// 3D Studio (.3DS) writer.
#include "formats/Writer3DS.h"

#include <stdexcept>

#include "ByteWriter.h"

namespace {

// A 3DS chunk: u16 id and a u32 length that counts its own 6-byte header; closed once its contents are out.
class Chunk {
public:
    Chunk(ByteWriter& out, std::uint16_t id) : _out(out), _start(out.size())
    {
        out.u16(id);
        out.u32(0);
    }
    ~Chunk() { _out.patchU32(_start + 2, static_cast<std::uint32_t>(_out.size() - _start)); }

private:
    ByteWriter& _out;
    std::size_t _start;
};

void writeMaterial(ByteWriter& out, const MeshMaterial& material)
{
    Chunk block(out, 0xAFFF);
    {
        Chunk name(out, 0xA000);
        out.cstring(material.name);
    }
    // Ambient as well as diffuse: the game lights scenery with a full white ambient light and no
    // lamps, so a lit node shows its ambient colour, an unlit one its diffuse (vertex) colour.
    for (const std::uint16_t id : {0xA010, 0xA020}) {
        Chunk colour(out, id);
        Chunk rgb(out, 0x0011);
        out.u8(material.r);
        out.u8(material.g);
        out.u8(material.b);
    }
    if (material.twoSided) {
        Chunk twoSided(out, 0xA081);
    }
    if (!material.texture.empty()) {
        Chunk map(out, 0xA200);
        {
            Chunk percent(out, 0x0030);
            out.u16(100);
        }
        Chunk file(out, 0xA300);
        out.cstring(material.texture);
    }
}

void checkLimits(const MeshPart& part)
{
    if (part.vertices.size() > 0xFFFF || part.indices.size() / 3 > 0xFFFF)
        throw std::runtime_error("3DS object " + part.name + " has more than 65535 vertices or faces");
    if (part.indices.size() % 3 != 0)
        throw std::runtime_error("3DS object " + part.name + " has an incomplete triangle");
}

// The file is Z-up and right-handed: swap y and z, reverse the corners and flip v.
void writeObject(ByteWriter& out, const MeshPart& part)
{
    checkLimits(part);
    Chunk object(out, 0x4000);
    out.cstring(part.name);
    Chunk trimesh(out, 0x4100);
    {
        Chunk vertices(out, 0x4110);
        out.u16(static_cast<std::uint16_t>(part.vertices.size()));
        for (const MeshVertex& v : part.vertices) {
            out.f32(v.x);
            out.f32(v.z);
            out.f32(v.y);
        }
    }
    {
        Chunk uvs(out, 0x4140);
        out.u16(static_cast<std::uint16_t>(part.vertices.size()));
        for (const MeshVertex& v : part.vertices) {
            out.f32(v.u);
            out.f32(1.0f - v.v);
        }
    }
    Chunk faces(out, 0x4120);
    const std::uint16_t faceCount = static_cast<std::uint16_t>(part.indices.size() / 3);
    out.u16(faceCount);
    for (std::size_t i = 0; i < part.indices.size(); i += 3) {
        out.u16(part.indices[i]);
        out.u16(part.indices[i + 2]);
        out.u16(part.indices[i + 1]);
        out.u16(0);
    }
    Chunk faceMaterial(out, 0x4130);
    out.cstring(part.material);
    out.u16(faceCount);
    for (std::uint16_t f = 0; f < faceCount; ++f)
        out.u16(f);
}

void checkMaterials(const Mesh& mesh)
{
    for (const MeshPart& part : mesh.parts) {
        bool known = false;
        for (const MeshMaterial& material : mesh.materials)
            known = known || material.name == part.material;
        // The loader silently drops the faces of an object whose material it does not know.
        if (!known)
            throw std::runtime_error("3DS object " + part.name + " uses unknown material " + part.material);
    }
}

}  // namespace

void write3DS(const Mesh& mesh, const std::string& path)
{
    checkMaterials(mesh);
    ByteWriter out;
    {
        Chunk main(out, 0x4D4D);
        {
            Chunk version(out, 0x0002);
            out.u32(3);
        }
        Chunk editor(out, 0x3D3D);
        {
            Chunk meshVersion(out, 0x3D3E);
            out.u32(3);
        }
        for (const MeshMaterial& material : mesh.materials)
            writeMaterial(out, material);
        for (const MeshPart& part : mesh.parts)
            writeObject(out, part);
    }
    out.save(path);
}
