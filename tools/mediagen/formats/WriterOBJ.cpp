// Wavefront (.obj + .mtl) writer.
#include "formats/WriterOBJ.h"

#include <filesystem>
#include <iomanip>
#include <sstream>

#include "ByteWriter.h"

namespace {

std::string materials(const Mesh& mesh)
{
    std::ostringstream mtl;
    mtl << std::fixed << std::setprecision(4);
    for (const MeshMaterial& m : mesh.materials) {
        // A map_Kd resets the diffuse colour, so the colour comes first.
        mtl << "newmtl " << m.name << "\nKd " << m.r / 255.0f << ' ' << m.g / 255.0f << ' ' << m.b / 255.0f << '\n';
        if (!m.texture.empty())
            mtl << "map_Kd " << m.texture << '\n';
        mtl << '\n';
    }
    return mtl.str();
}

// The file is right-handed and counter-clockwise: mirror x, reverse the corners, flip v.
std::string geometry(const Mesh& mesh, const std::string& mtlName)
{
    std::ostringstream obj;
    obj << std::fixed << std::setprecision(5) << "mtllib " << mtlName << '\n';
    std::size_t base = 1;
    for (const MeshPart& part : mesh.parts) {
        obj << "g " << part.name << "\nusemtl " << part.material << '\n';
        for (const MeshVertex& v : part.vertices)
            obj << "v " << -v.x << ' ' << v.y << ' ' << v.z << '\n';
        for (const MeshVertex& v : part.vertices)
            obj << "vt " << v.u << ' ' << 1.0f - v.v << '\n';
        for (std::size_t i = 0; i < part.indices.size(); i += 3) {
            obj << 'f';
            for (std::size_t k : {2, 1, 0}) {
                const std::size_t index = base + part.indices[i + k];
                obj << ' ' << index << '/' << index;
            }
            obj << '\n';
        }
        base += part.vertices.size();
    }
    return obj.str();
}

}  // namespace

void writeOBJ(const Mesh& mesh, const std::string& objPath)
{
    const std::filesystem::path mtlPath = std::filesystem::path(objPath).replace_extension(".mtl");
    const std::string mtl = materials(mesh), obj = geometry(mesh, mtlPath.filename().string());
    writeWholeFile(mtlPath.string(), mtl.data(), mtl.size());
    writeWholeFile(objPath, obj.data(), obj.size());
}
