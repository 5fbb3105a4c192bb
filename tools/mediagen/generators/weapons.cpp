// The player's carried models: the hand and the rifle.
#include "generators/weapons.h"

#include <cmath>

#include "MeshBuilder.h"
#include "Noise.h"
#include "formats/WriterMS3D.h"
#include "formats/WriterOBJ.h"
#include "shading.h"

using Vec = irr::core::vector3df;
using Color = Image::Color;
using irr::core::matrix4;
using irr::core::rectf;

namespace {

// Both models take their colours from one texture: skin or metal above, sleeve or wood below.
const rectf UpperHalf(0.01f, 0.01f, 0.99f, 0.49f);
const rectf LowerHalf(0.01f, 0.51f, 0.99f, 0.99f);

matrix4 placed(const Vec& at, const Vec& degrees)
{
    matrix4 m;
    m.setRotationDegrees(degrees);
    m.setTranslation(at);
    return m;
}

void addPart(Mesh& mesh, const std::string& name, const std::string& material, const rectf& cell,
             const std::function<void(MeshBuilder&)>& build)
{
    MeshPart part{name, material, {}, {}};
    MeshBuilder builder(part);
    build(builder);
    squeezeUV(part, cell);
    mesh.parts.push_back(std::move(part));
}

// An open right hand seen from behind: fingers up (+Y), palm ahead (+Z), thumb to the left (-X),
// the sleeve running down from the wrist at the origin.
Mesh hand()
{
    Mesh mesh;
    // The texture sits in the media folder, one above the model's.
    mesh.materials = {{"hand", "../hand.jpg", 255, 255, 255, false}};
    addPart(mesh, "palm", "hand", UpperHalf, [](MeshBuilder& b) { b.box({-1.1f, 0, -0.42f}, {1.1f, 2.3f, 0.42f}); });
    const float xs[4] = {-0.8f, -0.27f, 0.27f, 0.8f}, lengths[4] = {2.1f, 2.4f, 2.25f, 1.75f};
    for (int f = 0; f < 4; ++f)
        addPart(mesh, "finger" + std::to_string(f), "hand", UpperHalf, [&](MeshBuilder& b) {
            b.setTransform(placed({xs[f], 2.25f, 0}, {14, 0, 4.0f * (static_cast<float>(f) - 1.5f)}));
            b.box({-0.22f, 0, -0.21f}, {0.22f, lengths[f], 0.21f});
        });
    addPart(mesh, "thumb", "hand", UpperHalf, [](MeshBuilder& b) {
        b.setTransform(placed({-1.0f, 0.5f, 0.1f}, {20, 0, 45}));
        b.box({-0.25f, 0, -0.23f}, {0.25f, 1.9f, 0.23f});
    });
    addPart(mesh, "sleeve", "hand", LowerHalf, [](MeshBuilder& b) {
        b.cylinder({0, -6.5f, 0}, 0.95f, 6.4f, 10, false);
        b.cylinder({0, -0.6f, 0}, 1.05f, 0.55f, 10, true);
    });
    return bakeShading(mesh);
}

// A scoped rifle pointing ahead (+Z), about 26 units long.
Mesh rifle()
{
    Mesh mesh;
    mesh.materials = {{"metal", "sniper.jpg", 255, 255, 255, false}, {"wood", "sniper.jpg", 255, 255, 255, false}};
    addPart(mesh, "stock", "wood", LowerHalf, [](MeshBuilder& b) {
        b.frustum({0, -1.8f, -8}, 0.45f, 1.0f, {0, 0.4f, -8}, 0.45f, 1.0f);
        b.box({-0.45f, -1.2f, -7}, {0.45f, 0.4f, -1});
        b.box({-0.4f, -2.4f, -1.5f}, {0.4f, -0.4f, -0.6f});
    });
    addPart(mesh, "body", "metal", UpperHalf, [](MeshBuilder& b) {
        b.box({-0.55f, -0.4f, -1}, {0.55f, 0.6f, 6});
        b.box({-0.35f, -2.2f, 1.5f}, {0.35f, -0.4f, 3.0f});
    });
    addPart(mesh, "barrel", "metal", UpperHalf, [](MeshBuilder& b) {
        b.setTransform(placed({0, 0.15f, 6}, {90, 0, 0}));
        b.cylinder({0, 0, 0}, 0.3f, 12, 8);
    });
    addPart(mesh, "scope", "metal", UpperHalf, [](MeshBuilder& b) {
        b.setTransform(placed({0, 1.5f, -0.5f}, {90, 0, 0}));
        b.cylinder({0, 0, 0}, 0.55f, 6, 10);
        b.cylinder({0, -0.6f, 0}, 0.75f, 0.8f, 10);
        b.cylinder({0, 5.8f, 0}, 0.75f, 0.8f, 10);
    });
    return bakeShading(mesh);
}

Image handTexture()
{
    Image image(256, 256);
    const Noise noise(31);
    image.paint([&](int x, int y) {
        const float fx = static_cast<float>(x) / 256.0f, fy = static_cast<float>(y) / 256.0f;
        const float n = noise.fractal(fx * 16.0f, fy * 16.0f, 3);
        if (y < 128)
            return Image::mix(Color(255, 196, 146, 112), Color(255, 232, 186, 150), n);
        const float weave = 0.5f + 0.5f * std::sin(fx * 160.0f) * std::sin(fy * 160.0f);
        return Image::mix(Color(255, 28, 40, 90), Color(255, 52, 70, 140), 0.6f * n + 0.4f * weave);
    });
    return image;
}

Image rifleTexture()
{
    Image image(256, 256);
    const Noise noise(37);
    image.paint([&](int x, int y) {
        const float fx = static_cast<float>(x) / 256.0f, fy = static_cast<float>(y) / 256.0f;
        if (y < 128)
            return Image::mix(Color(255, 40, 44, 50), Color(255, 78, 84, 92), noise.fractal(fx * 30.0f, fy * 4.0f, 3));
        const float grain = 0.5f + 0.5f * std::sin((fy * 30.0f + noise.fractal(fx * 3.0f, fy * 3.0f, 3) * 4.0f) * 3.14159f);
        return Image::mix(Color(255, 92, 52, 24), Color(255, 140, 86, 42), grain);
    });
    return image;
}

}  // namespace

void writeWeapons(const OutputFolder& out, const ImageFiles& images)
{
    writeOBJ(hand(), out.path("gun/hand.obj"));
    images.save(handTexture(), out.path("hand.jpg"));
    writeMS3D(rifle(), out.path("sniper.ms3d"));
    images.save(rifleTexture(), out.path("sniper.jpg"));
}
