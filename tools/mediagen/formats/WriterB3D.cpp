// Blitz3D (.b3d) writer for skinned, animated meshes.
#include "formats/WriterB3D.h"

#include <algorithm>
#include <stdexcept>

#include "ByteWriter.h"

namespace {

// A B3D chunk: a four-letter tag and a length that leaves out its own 8-byte header.
class Chunk {
public:
    Chunk(ByteWriter& out, const char* tag) : _out(out), _start(out.size())
    {
        out.raw(tag, 4);
        out.u32(0);
    }
    ~Chunk() { _out.patchU32(_start + 4, static_cast<std::uint32_t>(_out.size() - _start - 8)); }

private:
    ByteWriter& _out;
    std::size_t _start;
};

void vec3(ByteWriter& out, const irr::core::vector3df& v)
{
    out.f32(v.X);
    out.f32(v.Y);
    out.f32(v.Z);
}

// The loader applies rotation keys transposed, so it gets the conjugate of the rotation meant.
void rotation(ByteWriter& out, const irr::core::vector3df& degrees)
{
    const irr::core::quaternion q(degrees * irr::core::DEGTORAD);
    out.f32(q.W);
    out.f32(-q.X);
    out.f32(-q.Y);
    out.f32(-q.Z);
}

void nodeHeader(ByteWriter& out, const std::string& name, const irr::core::vector3df& position)
{
    out.cstring(name);
    vec3(out, position);
    vec3(out, {1, 1, 1});
    out.f32(1);
    out.f32(0);
    out.f32(0);
    out.f32(0);
}

void writeTexturesAndBrush(ByteWriter& out, const AnimatedMesh& mesh)
{
    {
        Chunk texs(out, "TEXS");
        out.cstring(mesh.texture);
        out.i32(1);  // colour map
        out.i32(2);  // multiplied with the lighting
        for (float value : {0.0f, 0.0f, 1.0f, 1.0f, 0.0f})
            out.f32(value);
    }
    Chunk brus(out, "BRUS");
    out.i32(1);
    out.cstring("skin");
    for (float value : {1.0f, 1.0f, 1.0f, 1.0f, 0.0f})
        out.f32(value);
    out.i32(1);  // blend
    out.i32(0);  // fx
    out.i32(0);  // the texture
}

void writeSurface(ByteWriter& out, const AnimatedMesh& mesh)
{
    Chunk meshChunk(out, "MESH");
    out.i32(-1);
    {
        Chunk vrts(out, "VRTS");
        out.i32(1);  // normals present
        out.i32(1);
        out.i32(2);
        for (const AnimatedVertex& v : mesh.vertices) {
            vec3(out, v.position);
            vec3(out, v.normal);
            out.f32(v.u);
            out.f32(v.v);
        }
    }
    Chunk tris(out, "TRIS");
    out.i32(0);
    for (unsigned index : mesh.indices)
        out.i32(static_cast<std::int32_t>(index));
}

// The engine numbers frames from 0 where the file numbers them from 1.
void writeJoint(ByteWriter& out, const AnimatedMesh& mesh, std::size_t index)
{
    const Joint& joint = mesh.joints[index];
    Chunk node(out, "NODE");
    nodeHeader(out, joint.name, joint.position);
    {
        Chunk bone(out, "BONE");
        for (const BoneWeight& w : joint.weights) {
            out.i32(static_cast<std::int32_t>(w.vertex));
            out.f32(w.weight);
        }
    }
    if (!joint.keys.empty()) {
        Chunk keys(out, "KEYS");
        out.i32(1 | 4);
        for (const JointKey& key : joint.keys) {
            out.i32(key.frame + 1);
            vec3(out, key.position);
            rotation(out, key.rotation);
        }
    }
    for (std::size_t child = index + 1; child < mesh.joints.size(); ++child)
        if (mesh.joints[child].parent == static_cast<int>(index))
            writeJoint(out, mesh, child);
}

int lastFrame(const AnimatedMesh& mesh)
{
    int last = 0;
    for (const Joint& joint : mesh.joints)
        for (const JointKey& key : joint.keys)
            last = std::max(last, key.frame);
    return last;
}

void checkJoints(const AnimatedMesh& mesh)
{
    for (std::size_t i = 0; i < mesh.joints.size(); ++i)
        if (mesh.joints[i].parent >= static_cast<int>(i))
            throw std::runtime_error("joint " + mesh.joints[i].name + " comes before its parent");
}

}  // namespace

void writeB3D(const AnimatedMesh& mesh, const std::string& path)
{
    checkJoints(mesh);
    ByteWriter out;
    {
        Chunk file(out, "BB3D");
        out.i32(1);
        writeTexturesAndBrush(out, mesh);
        Chunk root(out, "NODE");
        nodeHeader(out, "model", {0, 0, 0});
        writeSurface(out, mesh);
        {
            Chunk anim(out, "ANIM");
            out.i32(0);
            out.i32(lastFrame(mesh) + 1);
            out.f32(mesh.fps);
        }
        for (std::size_t i = 0; i < mesh.joints.size(); ++i)
            if (mesh.joints[i].parent < 0)
                writeJoint(out, mesh, i);
    }
    out.save(path);
}
