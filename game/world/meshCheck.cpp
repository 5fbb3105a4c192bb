// Model files are checked for a sound structure before the engine's loaders, which hang or read out of
// bounds on damaged files, ever see them.
#include "world/meshCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "shell/Engine.h"

namespace {

class MeshFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bounds-checked little-endian reader over a range of the file; reading past its end is a fault.
class Reader {
public:
    Reader(const std::string& bytes, size_t begin, size_t end) : _bytes(bytes), _at(begin), _end(end) {}

    bool atEnd() const { return _at >= _end; }
    size_t left() const { return _end - _at; }

    void skip(uint64_t count)
    {
        if (count > left())
            throw MeshFault("cut short at byte " + std::to_string(_end));
        _at += count;
    }

    uint32_t u32() { return static_cast<uint32_t>(number(4)); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    uint16_t u16() { return static_cast<uint16_t>(number(2)); }
    uint8_t u8() { return static_cast<uint8_t>(number(1)); }

    std::string text(size_t length)
    {
        size_t from = _at;
        skip(length);
        return _bytes.substr(from, length);
    }

    // A NUL-terminated name, which must end inside the range.
    void name()
    {
        const void* nul = std::memchr(_bytes.data() + _at, 0, left());
        if (!nul)
            throw MeshFault("a name runs past the end of its block");
        _at = static_cast<const char*>(nul) - _bytes.data() + 1;
    }

    // The next `length` bytes as a reader of their own; this one moves past them.
    Reader take(uint64_t length)
    {
        size_t from = _at;
        skip(length);
        return Reader(_bytes, from, _at);
    }

    // The bytes from `offset` of the whole file on, `length` of them.
    Reader region(uint64_t offset, uint64_t length) const
    {
        if (offset > _bytes.size() || length > _bytes.size() - offset)
            throw MeshFault("a block at " + std::to_string(offset) + " runs past the end of the file");
        return Reader(_bytes, offset, offset + length);
    }

private:
    uint64_t number(size_t size)
    {
        size_t from = _at;
        skip(size);
        uint64_t value = 0;
        for (size_t i = size; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(_bytes[from + i]);
        return value;
    }

    const std::string& _bytes;
    size_t _at;
    size_t _end;
};

void require(bool condition, const std::string& fault)
{
    if (!condition)
        throw MeshFault(fault);
}

void checkIndex(uint64_t index, uint64_t count, const char* what)
{
    require(index < count, std::string(what) + " " + std::to_string(index) + " of " + std::to_string(count));
}

// 3D Studio: chunks of u16 id and u32 length (header included), nested; the engine loops for ever on a
// length that does not fit its parent.
struct Mesh3ds {
    uint64_t vertices = 0;
    uint64_t faces = 0;
};

void chunks3ds(Reader& in, Mesh3ds& mesh);

void chunk3ds(uint16_t id, Reader& data, Mesh3ds& mesh)
{
    switch (id) {
    case 0x3D3D:
    case 0xAFFF:
    case 0xA010:
    case 0xA020:
    case 0xA030:
    case 0xA040:
    case 0xA041:
    case 0xA050:
    case 0xA200:
    case 0xA204:
    case 0xA210:
    case 0xA220:
    case 0xA230:
    case 0xA33A:
    case 0xA33C:
        chunks3ds(data, mesh);
        break;
    case 0x4000:
        data.name();
        chunks3ds(data, mesh);
        break;
    case 0x4100: {
        Mesh3ds own;
        chunks3ds(data, own);
        break;
    }
    case 0x4110:
        mesh.vertices = data.u16();
        data.skip(12 * mesh.vertices);
        break;
    case 0x4140:
        data.skip(8 * uint64_t{data.u16()});
        break;
    case 0x4120:
        mesh.faces = data.u16();
        for (uint64_t face = 0; face < mesh.faces; ++face) {
            for (int corner = 0; corner < 3; ++corner)
                checkIndex(data.u16(), mesh.vertices, "face corner");
            data.u16();
        }
        chunks3ds(data, mesh);
        break;
    case 0x4130:
        data.name();
        for (uint16_t count = data.u16(); count > 0; --count)
            checkIndex(data.u16(), mesh.faces, "material face");
        break;
    default:
        break;
    }
}

void chunks3ds(Reader& in, Mesh3ds& mesh)
{
    while (!in.atEnd()) {
        uint16_t id = in.u16();
        uint32_t length = in.u32();
        require(length >= 6 && length - 6 <= in.left(), "a chunk's length does not fit its parent");
        Reader data = in.take(length - 6);
        chunk3ds(id, data, mesh);
    }
}

void check3ds(Reader in)
{
    require(in.u16() == 0x4D4D, "not a 3D Studio file");
    uint32_t length = in.u32();
    require(length >= 6 && length - 6 <= in.left(), "the file is shorter than its main chunk");
    Reader main = in.take(length - 6);
    Mesh3ds none;
    chunks3ds(main, none);
}

// Blitz3D: chunks of a 4-character tag and an s32 length (header excluded), nested.
struct MeshB3d {
    uint64_t vertices = 0;
};

void chunksB3d(Reader& in, MeshB3d& mesh);

void verticesB3d(Reader& data, MeshB3d& mesh)
{
    int32_t flags = data.i32();
    int32_t sets = data.i32();
    int32_t setSize = data.i32();
    require(sets >= 0 && sets <= 8 && setSize >= 0 && setSize <= 4, "bad texture coordinate sets");
    uint64_t vertexSize = 12 + (flags & 1 ? 12 : 0) + (flags & 2 ? 16 : 0) + 4 * uint64_t(sets) * setSize;
    require(data.left() % vertexSize == 0, "vertex block of a partial vertex");
    mesh.vertices = data.left() / vertexSize;
}

void chunkB3d(const std::string& tag, Reader& data, MeshB3d& mesh)
{
    if (tag == "NODE") {
        data.name();
        data.skip(40);
        chunksB3d(data, mesh);
    } else if (tag == "MESH") {
        data.skip(4);
        chunksB3d(data, mesh);
    } else if (tag == "VRTS") {
        verticesB3d(data, mesh);
    } else if (tag == "TRIS") {
        data.skip(4);
        require(data.left() % 12 == 0, "triangle block of a partial triangle");
        while (!data.atEnd())
            checkIndex(data.u32(), mesh.vertices, "triangle corner");
    } else if (tag == "BONE") {
        require(data.left() % 8 == 0, "bone block of a partial weight");
        while (!data.atEnd()) {
            checkIndex(data.u32(), mesh.vertices, "weighted vertex");
            data.skip(4);
        }
    }
}

void chunksB3d(Reader& in, MeshB3d& mesh)
{
    while (!in.atEnd()) {
        std::string tag = in.text(4);
        int32_t length = in.i32();
        require(length >= 0 && uint64_t(length) <= in.left(), "a chunk's length does not fit its parent");
        Reader data = in.take(length);
        chunkB3d(tag, data, mesh);
    }
}

void checkB3d(Reader in)
{
    require(in.text(4) == "BB3D", "not a Blitz3D file");
    int32_t length = in.i32();
    require(length >= 4 && uint64_t(length) <= in.left(), "the file is shorter than its main chunk");
    Reader main = in.take(length);
    main.skip(4);
    MeshB3d mesh;
    chunksB3d(main, mesh);
}

// MilkShape: fixed-size records behind counts; the engine reads the joint count without a bounds check.
void checkMs3d(Reader in)
{
    require(in.text(10) == "MS3D000000", "not a MilkShape file");
    in.skip(4);
    const uint64_t vertices = in.u16();
    in.skip(15 * vertices);
    const uint64_t triangles = in.u16();
    for (uint64_t triangle = 0; triangle < triangles; ++triangle) {
        in.skip(2);
        for (int corner = 0; corner < 3; ++corner)
            checkIndex(in.u16(), vertices, "triangle corner");
        in.skip(62);
    }
    uint8_t highestMaterial = 0;
    for (uint16_t groups = in.u16(); groups > 0; --groups) {
        in.skip(33);
        for (uint16_t count = in.u16(); count > 0; --count)
            checkIndex(in.u16(), triangles, "group triangle");
        uint8_t material = in.u8();
        if (material != 0xFF)
            highestMaterial = std::max<uint8_t>(highestMaterial, material + 1);
    }
    const uint16_t materials = in.u16();
    require(highestMaterial <= materials, "a group names a missing material");
    in.skip(361 * uint64_t{materials});
    in.skip(12);
    for (uint16_t joints = in.u16(); joints > 0; --joints) {
        in.skip(89);
        uint64_t rotations = in.u16();
        uint64_t positions = in.u16();
        in.skip(16 * (rotations + positions));
    }
}

// Quake 2: a header of counts and offsets to fixed-size records.
void checkMd2(Reader in)
{
    const Reader whole = in;
    require(in.text(4) == "IDP2" && in.i32() == 8, "not a Quake 2 model");
    in.skip(8);
    int32_t header[13];
    for (int32_t& field : header) {
        field = in.i32();
        require(field >= 0, "a negative count or offset");
    }
    const int32_t frameSize = header[0], skins = header[1], vertices = header[2], texcoords = header[3],
                  triangles = header[4], glCommands = header[5], frames = header[6];
    require(vertices <= 2048 && frameSize == 40 + 4 * vertices && frames >= 1, "bad frame layout");
    whole.region(header[7], 64 * uint64_t(skins));
    whole.region(header[8], 4 * uint64_t(texcoords));
    whole.region(header[10], uint64_t(frameSize) * frames);
    whole.region(header[11], 4 * uint64_t(glCommands));
    Reader corners = whole.region(header[9], 12 * uint64_t(triangles));
    for (int32_t triangle = 0; triangle < triangles; ++triangle) {
        for (int corner = 0; corner < 3; ++corner)
            checkIndex(corners.u16(), vertices, "triangle corner");
        for (int corner = 0; corner < 3; ++corner)
            checkIndex(corners.u16(), texcoords, "texture corner");
    }
}

// Wavefront: text whose faces must name vertices, texture and normal coordinates defined before them; the
// engine indexes its arrays with them unchecked.
void checkObjCorner(const std::string& corner, const uint64_t (&counts)[3])
{
    size_t from = 0;
    for (int part = 0; part < 3 && from <= corner.size(); ++part) {
        size_t slash = std::min(corner.find('/', from), corner.size());
        std::string digits = corner.substr(from, slash - from);
        from = slash + 1;
        if (digits.empty() && part > 0)
            continue;
        char* end = nullptr;
        long index = std::strtol(digits.c_str(), &end, 10);
        require(!digits.empty() && *end == 0 && index != 0, "bad face corner " + corner);
        checkIndex(index > 0 ? index - 1 : counts[part] + index, counts[part], "face corner");
    }
}

void checkObj(const std::string& bytes)
{
    require(bytes.find('\0') == std::string::npos, "not a text file");
    uint64_t counts[3] = {0, 0, 0};
    size_t from = 0;
    while (from < bytes.size()) {
        size_t end = std::min(bytes.find('\n', from), bytes.size());
        std::istringstream line(bytes.substr(from, end - from));
        from = end + 1;
        std::string keyword, corner;
        line >> keyword;
        if (keyword == "v")
            ++counts[0];
        else if (keyword == "vt")
            ++counts[1];
        else if (keyword == "vn")
            ++counts[2];
        else if (keyword == "f")
            while (line >> corner)
                checkObjCorner(corner, counts);
    }
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string extensionOf(const irr::io::path& path)
{
    const irr::s32 dot = path.findLast('.');
    return dot < 0 ? "" : path.subString(dot, path.size() - dot).c_str();
}

std::string fileBytes(irr::io::IReadFile* file)
{
    std::string bytes(static_cast<size_t>(std::max<long>(0, file->getSize())), '\0');
    bytes.resize(static_cast<size_t>(std::max(0, file->read(&bytes[0], bytes.size()))));
    return bytes;
}

}

std::string meshFileFault(const std::string& bytes, const std::string& extension)
{
    const std::string kind = lowerCase(extension);
    const Reader whole(bytes, 0, bytes.size());
    try {
        if (kind == ".3ds")
            check3ds(whole);
        else if (kind == ".b3d")
            checkB3d(whole);
        else if (kind == ".ms3d")
            checkMs3d(whole);
        else if (kind == ".md2")
            checkMd2(whole);
        else if (kind == ".obj")
            checkObj(bytes);
    } catch (const MeshFault& fault) {
        return fault.what();
    }
    return "";
}

irr::scene::IAnimatedMesh* loadCheckedMesh(const irr::io::path& path)
{
    if (irr::scene::IAnimatedMesh* loaded = GSmgr->getMeshCache()->getMeshByName(path))
        return loaded;
    irr::io::IReadFile* file = GSmgr->getFileSystem()->createAndOpenFile(path);
    if (!file)
        return nullptr;
    const std::string bytes = fileBytes(file);
    file->drop();
    return meshFileFault(bytes, extensionOf(path)).empty() ? GSmgr->getMesh(path) : nullptr;
}
