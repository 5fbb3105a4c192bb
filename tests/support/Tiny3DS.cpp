// The chunk tree of a minimal .3DS file, as the engine's 3D Studio loader reads it.
#include "support/Tiny3DS.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

using Bytes = std::vector<char>;

template <typename T>
void put(Bytes& out, T value)
{
    const size_t at = out.size();
    out.resize(at + sizeof(T));
    std::memcpy(out.data() + at, &value, sizeof(T));
}

void putName(Bytes& out, const char* name)
{
    out.insert(out.end(), name, name + std::strlen(name) + 1);
}

Bytes chunk(uint16_t id, const Bytes& body)
{
    Bytes out;
    put<uint16_t>(out, id);
    put<uint32_t>(out, static_cast<uint32_t>(body.size() + 6));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Corners in engine space (x, y, z); the file stores (x, z, y) with the corners of a face reversed.
struct Corner {
    float x, y, z;
};

Bytes trimesh(const std::vector<Corner>& corners, const std::vector<uint16_t>& faces)
{
    Bytes vertices;
    put<uint16_t>(vertices, static_cast<uint16_t>(corners.size()));
    for (const Corner& c : corners) {
        put(vertices, c.x);
        put(vertices, c.z);
        put(vertices, c.y);
    }
    const uint16_t faceCount = static_cast<uint16_t>(faces.size() / 3);
    Bytes faceList;
    put<uint16_t>(faceList, faceCount);
    for (size_t f = 0; f < faces.size(); f += 3) {
        put(faceList, faces[f]);
        put(faceList, faces[f + 2]);
        put(faceList, faces[f + 1]);
        put<uint16_t>(faceList, 0);
    }
    Bytes material;
    putName(material, "grey");
    put<uint16_t>(material, faceCount);
    for (uint16_t f = 0; f < faceCount; ++f)
        put(material, f);
    const Bytes faceChunk = chunk(0x4120, join({faceList, chunk(0x4130, material)}));
    return chunk(0x4100, join({chunk(0x4110, vertices), faceChunk}));
}

}

void writeTiny3DS(const std::string& path)
{
    const std::vector<Corner> corners = {
        {-10, 0, -10}, {-10, 0, 10}, {10, 0, 10}, {10, 0, -10},  // floor
        {-10, 0, 5},   {-10, 5, 5},  {10, 5, 5},  {10, 0, 5},    // wall
    };
    const std::vector<uint16_t> faces = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
    Bytes version;
    put<uint32_t>(version, 3);
    Bytes materialName;
    putName(materialName, "grey");
    Bytes objectName;
    putName(objectName, "level");
    const Bytes material = chunk(0xAFFF, chunk(0xA000, materialName));
    const Bytes object = chunk(0x4000, join({objectName, trimesh(corners, faces)}));
    const Bytes editor = chunk(0x3D3D, join({chunk(0x3D3E, version), material, object}));
    const Bytes file = chunk(0x4D4D, join({chunk(0x0002, version), editor}));
    std::ofstream(path, std::ios::binary).write(file.data(), static_cast<std::streamsize>(file.size()));
}
