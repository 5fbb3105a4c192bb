// The mesh builder and the static and morphing mesh writers (3DS, OBJ, MS3D, MD2), proven by loading
// their output back through the engine: positions, facing, texture corners and frames.
#include <irrlicht.h>

#include "MeshBuilder.h"
#include "formats/Writer3DS.h"
#include "formats/WriterMD2.h"
#include "formats/WriterMS3D.h"
#include "formats/WriterOBJ.h"
#include "support/EngineTest.h"

using irr::core::vector3df;

namespace {

class MeshWritersTest : public EngineTest {
protected:
    irr::scene::IMesh* writeAndLoad(const Mesh& mesh, const std::string& extension = "3DS")
    {
        const std::string path = makeTempDir() + "/model." + extension;
        if (extension == "obj")
            writeOBJ(mesh, path);
        else if (extension == "ms3d")
            writeMS3D(mesh, path);
        else
            write3DS(mesh, path);
        irr::scene::IAnimatedMesh* loaded = GSmgr->getMesh(path.c_str());
        return loaded ? loaded->getMesh(0) : nullptr;
    }

    static Mesh oneMaterial(const std::string& texture)
    {
        Mesh mesh;
        mesh.materials.push_back({"stone", texture, 200, 100, 50, false});
        mesh.parts.push_back({"block", "stone", {}, {}});
        return mesh;
    }
};

// The side the triangle is seen from, by the engine's own front-facing rule.
vector3df faceNormal(irr::scene::IMeshBuffer* buffer, irr::u32 triangle)
{
    auto* v = static_cast<irr::video::S3DVertex*>(buffer->getVertices());
    const irr::u16* i = buffer->getIndices();
    irr::core::triangle3df t(v[i[3 * triangle]].Pos, v[i[3 * triangle + 1]].Pos, v[i[3 * triangle + 2]].Pos);
    return t.getNormal().normalize();
}

vector3df triangleCentre(irr::scene::IMeshBuffer* buffer, irr::u32 triangle)
{
    auto* v = static_cast<irr::video::S3DVertex*>(buffer->getVertices());
    const irr::u16* i = buffer->getIndices();
    return (v[i[3 * triangle]].Pos + v[i[3 * triangle + 1]].Pos + v[i[3 * triangle + 2]].Pos) / 3.0f;
}

}  // namespace

TEST_F(MeshWritersTest, BoxComesBackWithItsBoundsAndOutwardFaces)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder(mesh.parts[0]).box({-1, 0, 2}, {3, 5, 4});
    irr::scene::IMesh* loaded = writeAndLoad(mesh);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->getMeshBufferCount(), 1u);
    irr::scene::IMeshBuffer* buffer = loaded->getMeshBuffer(0);
    EXPECT_EQ(buffer->getIndexCount(), 36u);
    const irr::core::aabbox3df box = buffer->getBoundingBox();
    EXPECT_TRUE(box.MinEdge.equals({-1, 0, 2}));
    EXPECT_TRUE(box.MaxEdge.equals({3, 5, 4}));
    const vector3df centre(1, 2.5f, 3);
    for (irr::u32 t = 0; t < 12; ++t)
        EXPECT_GT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - centre), 0.0f) << "triangle " << t;
    EXPECT_EQ(buffer->getMaterial().DiffuseColor, irr::video::SColor(255, 200, 100, 50));
    // A lit node under the game's full white ambient light shows its ambient colour.
    EXPECT_EQ(buffer->getMaterial().AmbientColor, irr::video::SColor(255, 200, 100, 50));
}

TEST_F(MeshWritersTest, RoomBoxFacesInward)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder(mesh.parts[0]).box({0, 0, 0}, {10, 10, 10}, true);
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    for (irr::u32 t = 0; t < 12; ++t)
        EXPECT_LT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - vector3df(5, 5, 5)), 0.0f);
}

TEST_F(MeshWritersTest, QuadKeepsUpperLeftTextureCornerAndRepeats)
{
    Mesh mesh = oneMaterial("wall.png");
    MeshBuilder builder(mesh.parts[0]);
    builder.setUVScale(2.0f);
    // A wall 4 wide and 2 high facing -z, seen from the front with its top-left at (0, 2, 0).
    builder.quad({0, 2, 0}, {4, 2, 0}, {4, 0, 0}, {0, 0, 0});
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    EXPECT_TRUE(faceNormal(buffer, 0).equals({0, 0, -1}));
    auto* v = static_cast<irr::video::S3DVertex*>(buffer->getVertices());
    for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i) {
        EXPECT_FLOAT_EQ(v[i].TCoords.X, v[i].Pos.X / 2.0f);
        EXPECT_FLOAT_EQ(v[i].TCoords.Y, (2.0f - v[i].Pos.Y) / 2.0f);
    }
}

TEST_F(MeshWritersTest, CylinderSidesAndCapsFaceOut)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder(mesh.parts[0]).cylinder({0, 0, 0}, 1.0f, 4.0f, 12);
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    EXPECT_EQ(buffer->getIndexCount(), 12u * 6u + 2u * 12u * 3u);
    for (irr::u32 t = 0; t < buffer->getIndexCount() / 3; ++t)
        EXPECT_GT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - vector3df(0, 2, 0)), 0.0f);
}

TEST_F(MeshWritersTest, EveryPartBecomesItsOwnBufferWithItsMaterial)
{
    Mesh mesh;
    mesh.materials.push_back({"red", "", 255, 0, 0, false});
    mesh.materials.push_back({"blue", "", 0, 0, 255, true});
    mesh.parts.push_back({"a", "red", {}, {}});
    mesh.parts.push_back({"b", "blue", {}, {}});
    MeshBuilder(mesh.parts[0]).box({0, 0, 0}, {1, 1, 1});
    MeshBuilder(mesh.parts[1]).box({2, 0, 0}, {3, 1, 1});
    irr::scene::IMesh* loaded = writeAndLoad(mesh);
    ASSERT_EQ(loaded->getMeshBufferCount(), 2u);
    int blue = loaded->getMeshBuffer(0)->getMaterial().DiffuseColor.getBlue() == 255 ? 0 : 1;
    EXPECT_FALSE(loaded->getMeshBuffer(blue)->getMaterial().BackfaceCulling);
    EXPECT_TRUE(loaded->getMeshBuffer(1 - blue)->getMaterial().BackfaceCulling);
}

TEST_F(MeshWritersTest, UnknownMaterialOrTooManyVerticesIsRefused)
{
    Mesh mesh = oneMaterial("");
    mesh.parts[0].material = "missing";
    EXPECT_THROW(write3DS(mesh, makeTempDir() + "/x.3DS"), std::runtime_error);
    Mesh big = oneMaterial("");
    MeshBuilder builder(big.parts[0]);
    EXPECT_THROW(for (int i = 0; i < 3000; ++i) builder.box({0, 0, 0}, {1, 1, 1}), std::runtime_error);
}

TEST_F(MeshWritersTest, FrustumAndSphereFaceOut)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder builder(mesh.parts[0]);
    builder.frustum({0, 0, 0}, 2, 1, {0, 3, 0}, 1, 0.5f);
    builder.sphere({0, 10, 0}, 2, 6, 8);
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    for (irr::u32 t = 0; t < buffer->getIndexCount() / 3; ++t) {
        const vector3df centre = triangleCentre(buffer, t);
        const vector3df inside = centre.Y > 5 ? vector3df(0, 10, 0) : vector3df(0, 1.5f, 0);
        EXPECT_GT(faceNormal(buffer, t).dotProduct(centre - inside), 0.0f) << "triangle " << t;
    }
}

TEST_F(MeshWritersTest, ObjAndMs3dKeepPositionsFacingAndTextureCorners)
{
    for (const char* format : {"obj", "ms3d"}) {
        Mesh mesh = oneMaterial("");
        MeshBuilder builder(mesh.parts[0]);
        builder.box({-1, 0, 2}, {3, 5, 4});
        irr::scene::IMesh* loaded = writeAndLoad(mesh, format);
        ASSERT_NE(loaded, nullptr) << format;
        irr::scene::IMeshBuffer* buffer = loaded->getMeshBuffer(0);
        EXPECT_TRUE(buffer->getBoundingBox().MinEdge.equals({-1, 0, 2})) << format;
        EXPECT_TRUE(buffer->getBoundingBox().MaxEdge.equals({3, 5, 4})) << format;
        ASSERT_EQ(buffer->getIndexCount(), 36u) << format;
        for (irr::u32 t = 0; t < 12; ++t)
            EXPECT_GT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - vector3df(1, 2.5f, 3)), 0.0f) << format;
        // The -z face is drawn first: its top-left corner (-1, 5, 2) carries the texture's (0, 0).
        auto* v = static_cast<irr::video::S3DVertex*>(buffer->getVertices());
        bool found = false;
        for (irr::u32 i = 0; i < buffer->getVertexCount(); ++i)
            if (v[i].Pos.equals({-1, 5, 2}) && v[i].TCoords.equals({0, 0}))
                found = true;
        EXPECT_TRUE(found) << format;
    }
}

TEST_F(MeshWritersTest, Md2KeepsEveryFrameFourEngineFramesApart)
{
    Mesh box = oneMaterial("");
    MeshBuilder(box.parts[0]).box({0, 0, 0}, {2, 4, 1});
    MorphMesh mesh;
    for (const MeshVertex& v : box.parts[0].vertices)
        mesh.uvs.emplace_back(v.u * 0.5f, v.v * 0.5f);
    mesh.indices.assign(box.parts[0].indices.begin(), box.parts[0].indices.end());
    for (float lift : {0.0f, 10.0f}) {
        MorphMesh::Frame frame{"f", {}};
        for (const MeshVertex& v : box.parts[0].vertices)
            frame.positions.emplace_back(v.x, v.y + lift, v.z);
        mesh.frames.push_back(frame);
    }
    const std::string path = makeTempDir() + "/model.md2";
    writeMD2(mesh, path);
    irr::scene::IAnimatedMesh* loaded = GSmgr->getMesh(path.c_str());
    ASSERT_NE(loaded, nullptr);
    irr::scene::IMeshBuffer* first = loaded->getMesh(0)->getMeshBuffer(0);
    EXPECT_TRUE(first->getBoundingBox().MinEdge.equals({0, 0, 0}, 0.02f));
    EXPECT_TRUE(first->getBoundingBox().MaxEdge.equals({2, 4, 1}, 0.02f));
    for (irr::u32 t = 0; t < first->getIndexCount() / 3; ++t)
        EXPECT_GT(faceNormal(first, t).dotProduct(triangleCentre(first, t) - vector3df(1, 2, 0.5f)), 0.0f);
    EXPECT_NEAR(loaded->getMesh(4)->getMeshBuffer(0)->getBoundingBox().MinEdge.Y, 10.0f, 0.05f);
}
