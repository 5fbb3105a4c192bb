// Quake 2 (.md2) writer.
#include "formats/WriterMD2.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ByteWriter.h"

namespace {

const int HeaderSize = 17 * 4;

// The file is Z-up: its (x, y, z) is the engine's (x, z, y).
irr::core::vector3df toFile(const irr::core::vector3df& p)
{
    return {p.X, p.Z, p.Y};
}

void writeFrame(ByteWriter& out, const MorphMesh::Frame& frame)
{
    irr::core::vector3df low = toFile(frame.positions.front()), high = low;
    for (const irr::core::vector3df& p : frame.positions) {
        const irr::core::vector3df f = toFile(p);
        low.set(std::min(low.X, f.X), std::min(low.Y, f.Y), std::min(low.Z, f.Z));
        high.set(std::max(high.X, f.X), std::max(high.Y, f.Y), std::max(high.Z, f.Z));
    }
    const irr::core::vector3df scale = (high - low) / 255.0f;
    for (float s : {scale.X, scale.Y, scale.Z})
        out.f32(s);
    for (float t : {low.X, low.Y, low.Z})
        out.f32(t);
    out.fixedString(frame.name, 16);
    auto pack = [](float value, float base, float step) {
        return static_cast<std::uint8_t>(step > 0.0f ? std::lround((value - base) / step) : 0);
    };
    for (const irr::core::vector3df& p : frame.positions) {
        const irr::core::vector3df f = toFile(p);
        out.u8(pack(f.X, low.X, scale.X));
        out.u8(pack(f.Y, low.Y, scale.Y));
        out.u8(pack(f.Z, low.Z, scale.Z));
        out.u8(0);  // normal index: the model is drawn unlit
    }
}

void check(const MorphMesh& mesh)
{
    if (mesh.uvs.size() > 2048 || mesh.frames.empty())
        throw std::runtime_error("MD2 model needs 1 to 2048 vertices and at least one frame");
    for (const MorphMesh::Frame& frame : mesh.frames)
        if (frame.positions.size() != mesh.uvs.size())
            throw std::runtime_error("MD2 frame " + frame.name + " has the wrong number of vertices");
}

}  // namespace

void writeMD2(const MorphMesh& mesh, const std::string& path)
{
    check(mesh);
    const int vertices = static_cast<int>(mesh.uvs.size());
    const int triangles = static_cast<int>(mesh.indices.size() / 3);
    const int frameSize = 40 + 4 * vertices;
    const int ofsSt = HeaderSize, ofsTris = ofsSt + 4 * vertices, ofsFrames = ofsTris + 12 * triangles;
    const int ofsEnd = ofsFrames + frameSize * static_cast<int>(mesh.frames.size());
    ByteWriter out;
    out.raw("IDP2", 4);
    for (int value : {8, mesh.skinWidth, mesh.skinHeight, frameSize, 0, vertices, vertices, triangles, 0,
                      static_cast<int>(mesh.frames.size()), HeaderSize, ofsSt, ofsTris, ofsFrames, ofsEnd, ofsEnd})
        out.i32(value);
    // Texture coordinates are in pixels: the loader reads (s + 0.5) / width.
    for (const irr::core::vector2df& uv : mesh.uvs) {
        out.u16(static_cast<std::uint16_t>(std::lround(uv.X * static_cast<float>(mesh.skinWidth) - 0.5f)));
        out.u16(static_cast<std::uint16_t>(std::lround(uv.Y * static_cast<float>(mesh.skinHeight) - 0.5f)));
    }
    for (std::size_t i = 0; i < mesh.indices.size(); i += 3) {
        for (int k = 0; k < 3; ++k)
            out.u16(static_cast<std::uint16_t>(mesh.indices[i + k]));
        for (int k = 0; k < 3; ++k)
            out.u16(static_cast<std::uint16_t>(mesh.indices[i + k]));
    }
    for (const MorphMesh::Frame& frame : mesh.frames)
        writeFrame(out, frame);
    out.save(path);
}
