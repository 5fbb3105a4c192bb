// The 3DS writer and the mesh builder, proven by loading their output back through the engine.
#include <irrlicht.h>

#include "MeshBuilder.h"
#include "formats/Writer3DS.h"
#include "support/EngineTest.h"

using irr::core::vector3df;

namespace {

class Writer3DSTest : public EngineTest {
protected:
    irr::scene::IMesh* writeAndLoad(const Mesh& mesh)
    {
        const std::string path = makeTempDir() + "/model.3DS";
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

TEST_F(Writer3DSTest, BoxComesBackWithItsBoundsAndOutwardFaces)
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
}

TEST_F(Writer3DSTest, RoomBoxFacesInward)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder(mesh.parts[0]).box({0, 0, 0}, {10, 10, 10}, true);
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    for (irr::u32 t = 0; t < 12; ++t)
        EXPECT_LT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - vector3df(5, 5, 5)), 0.0f);
}

TEST_F(Writer3DSTest, QuadKeepsUpperLeftTextureCornerAndRepeats)
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

TEST_F(Writer3DSTest, CylinderSidesAndCapsFaceOut)
{
    Mesh mesh = oneMaterial("");
    MeshBuilder(mesh.parts[0]).cylinder({0, 0, 0}, 1.0f, 4.0f, 12);
    irr::scene::IMeshBuffer* buffer = writeAndLoad(mesh)->getMeshBuffer(0);
    EXPECT_EQ(buffer->getIndexCount(), 12u * 6u + 2u * 12u * 3u);
    for (irr::u32 t = 0; t < buffer->getIndexCount() / 3; ++t)
        EXPECT_GT(faceNormal(buffer, t).dotProduct(triangleCentre(buffer, t) - vector3df(0, 2, 0)), 0.0f);
}

TEST_F(Writer3DSTest, EveryPartBecomesItsOwnBufferWithItsMaterial)
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

TEST_F(Writer3DSTest, UnknownMaterialOrTooManyVerticesIsRefused)
{
    Mesh mesh = oneMaterial("");
    mesh.parts[0].material = "missing";
    EXPECT_THROW(write3DS(mesh, makeTempDir() + "/x.3DS"), std::runtime_error);
    Mesh big = oneMaterial("");
    MeshBuilder builder(big.parts[0]);
    EXPECT_THROW(for (int i = 0; i < 3000; ++i) builder.box({0, 0, 0}, {1, 1, 1}), std::runtime_error);
}
