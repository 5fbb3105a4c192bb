// Tests of the model file checks: the generated media pass, every cut of them fails, and each kind of
// damage that makes the engine's loaders hang or read out of bounds is caught.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/ReadFile.h"
#include "world/meshCheck.h"

namespace {

// Little-endian bytes, as the formats store them.
struct Le {
    std::string bytes;

    Le& u8(uint8_t v) { bytes += static_cast<char>(v); return *this; }
    Le& u16(uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Le& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Le& text(const std::string& t) { bytes += t; return *this; }
    Le& zeros(size_t n) { bytes.append(n, '\0'); return *this; }
};

// A 3D Studio chunk: id, length with its header, body.
std::string chunk(uint16_t id, const std::string& body)
{
    return Le().u16(id).u32(static_cast<uint32_t>(body.size() + 6)).text(body).bytes;
}

// One object whose faces name the given corners, over three vertices.
std::string level3ds(uint16_t corner)
{
    const std::string vertices = chunk(0x4110, Le().u16(3).zeros(36).bytes);
    const std::string faces = chunk(0x4120, Le().u16(1).u16(0).u16(1).u16(corner).u16(0).bytes +
                                                chunk(0x4130, Le().text("grey").u8(0).u16(1).u16(0).bytes));
    const std::string object = chunk(0x4000, Le().text("level").u8(0).bytes + chunk(0x4100, vertices + faces));
    return chunk(0x4D4D, chunk(0x0002, Le().u32(3).bytes) + chunk(0x3D3D, object));
}

std::string b3dChunk(const std::string& tag, const std::string& body)
{
    return Le().text(tag).u32(static_cast<uint32_t>(body.size())).text(body).bytes;
}

// A mesh of three plain vertices and one triangle naming `corner`.
std::string modelB3d(uint32_t corner)
{
    const std::string vertices = b3dChunk("VRTS", Le().u32(0).u32(0).u32(0).zeros(36).bytes);
    const std::string triangles = b3dChunk("TRIS", Le().u32(0).u32(0).u32(1).u32(corner).bytes);
    const std::string node = b3dChunk("NODE", Le().text("n").u8(0).zeros(40).bytes +
                                                  b3dChunk("MESH", Le().u32(0).bytes + vertices + triangles));
    return b3dChunk("BB3D", Le().u32(1).bytes + node);
}

// Three vertices, one triangle naming `corner`, one group of it, no material, no joint.
std::string modelMs3d(uint16_t corner, uint16_t groupTriangle = 0)
{
    Le file;
    file.text("MS3D000000").u32(4).u16(3).zeros(45);
    file.u16(1).u16(0).u16(0).u16(1).u16(corner).zeros(62);
    file.u16(1).u8(0).zeros(32).u16(1).u16(groupTriangle).u8(0xFF);
    file.u16(0).zeros(12).u16(0);
    return file.bytes;
}

// Three vertices, one texture corner, one triangle naming `corner`, one frame.
std::string modelMd2(uint16_t corner, int32_t frameSize = 52)
{
    const uint32_t texcoords = 68, triangles = texcoords + 4, frames = triangles + 12, end = frames + 52;
    Le file;
    file.text("IDP2").u32(8).u32(64).u32(64).u32(static_cast<uint32_t>(frameSize)).u32(0).u32(3).u32(1).u32(1);
    file.u32(0).u32(1).u32(texcoords).u32(texcoords).u32(triangles).u32(frames).u32(end).u32(end);
    file.zeros(4).u16(0).u16(1).u16(corner).u16(0).u16(0).u16(0);
    file.zeros(52);
    return file.bytes;
}

}

TEST(meshCheckTest, GeneratedModelsAreSoundAndEveryCutOfThemIsDamaged)
{
    for (const char* name : {"OrvendMap/map.3DS", "tablechair.3DS", "gun/Pilum.3ds", "ninja.b3d", "sniper.ms3d",
                             "super.md2"}) {
        const std::string bytes = readFile(std::string(SATLINK_BUILD_DIR) + "/media/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        const std::string extension = std::string(name).substr(std::string(name).rfind('.'));
        EXPECT_EQ(meshFileFault(bytes, extension), "") << name;
        for (size_t cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 97)
            EXPECT_NE(meshFileFault(bytes.substr(0, cut), extension), "") << name << " cut at " << cut;
        EXPECT_NE(meshFileFault(bytes.substr(0, bytes.size() - 1), extension), "") << name;
    }
    EXPECT_EQ(meshFileFault(readFile(std::string(SATLINK_BUILD_DIR) + "/media/gun/hand.obj"), ".obj"), "");
}

TEST(meshCheckTest, DamageThatHangsOrMisleadsTheLoadersIsFound)
{
    const std::string sound3ds = level3ds(2);
    std::string zeroLength = sound3ds;
    zeroLength.replace(zeroLength.find(std::string("\x02\x00", 2)) + 2, 4, Le().u32(0).bytes);
    std::string overrun = sound3ds;
    overrun.replace(overrun.find(std::string("\x10\x41", 2)) + 2, 4, Le().u32(9999).bytes);
    const struct {
        const char* what;
        std::string bytes;
        const char* extension;
        bool sound;
    } cases[] = {
        {"3ds", sound3ds, ".3DS", true},
        {"3ds chunk of length 0", zeroLength, ".3ds", false},
        {"3ds chunk past its parent", overrun, ".3ds", false},
        {"3ds face corner past the vertices", level3ds(3), ".3ds", false},
        {"3ds longer main chunk", sound3ds.substr(0, 2) + Le().u32(static_cast<uint32_t>(sound3ds.size() + 1)).bytes +
                                      sound3ds.substr(6), ".3ds", false},
        {"not 3ds", "MM not a level", ".3ds", false},
        {"b3d", modelB3d(2), ".b3d", true},
        {"b3d triangle corner past the vertices", modelB3d(3), ".B3D", false},
        {"b3d negative length", modelB3d(2).replace(4, 4, Le().u32(0xFFFFFFFF).bytes), ".b3d", false},
        {"ms3d", modelMs3d(2), ".ms3d", true},
        {"ms3d triangle corner past the vertices", modelMs3d(3), ".ms3d", false},
        {"ms3d group triangle past the triangles", modelMs3d(2, 1), ".ms3d", false},
        {"ms3d without its joint count", modelMs3d(2).substr(0, modelMs3d(2).size() - 2), ".ms3d", false},
        {"md2", modelMd2(2), ".md2", true},
        {"md2 triangle corner past the vertices", modelMd2(3), ".md2", false},
        {"md2 frame size that does not match the vertices", modelMd2(2, 56), ".md2", false},
        {"obj", "v 0 0 0\nv 1 0 0\nvt 0 0\nv 0 1 0\nf 1/1 2/1 -1/1\nf 1//  2 3\n", ".obj", true},
        {"obj corner before its vertex", "v 0 0 0\nf 1 2 3\nv 1 0 0\nv 0 1 0\n", ".obj", false},
        {"obj texture corner never defined", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1/1 2/1 3/1\n", ".obj", false},
        {"obj corner 0", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 0 1 2\n", ".obj", false},
        {"obj negative corner too far back", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf -4 1 2\n", ".obj", false},
        {"obj binary", std::string("v 0\0 0 0\n", 9), ".obj", false},
        {"another format", "anything", ".bsp", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meshFileFault(c.bytes, c.extension).empty(), c.sound) << c.what;
}
