// The 3D Studio props: sword, tables with chairs, caliper.
#include "generators/props.h"

#include <cmath>

#include "MeshBuilder.h"
#include "Noise.h"
#include "formats/Writer3DS.h"
#include "shading.h"

using Vec = irr::core::vector3df;
using Color = Image::Color;

namespace {

// Use the builder before adding the next part: adding a part may move the others.
MeshBuilder partOf(Mesh& mesh, const std::string& name, const std::string& material)
{
    mesh.parts.push_back({name, material, {}, {}});
    return MeshBuilder(mesh.parts.back());
}

// A straight sword lying along X: the grip at the origin, the point towards -X, about 100 units long.
// Weapons are drawn unlit, so its shading is baked in.
Mesh pilum()
{
    Mesh mesh;
    mesh.materials = {{"steel", "", 215, 220, 230, false}, {"brass", "", 205, 165, 60, false},
                      {"leather", "", 95, 52, 28, false}};
    partOf(mesh, "grip", "leather").box({0, -1.4f, -1.2f}, {18, 1.4f, 1.2f});
    partOf(mesh, "pommel", "brass").sphere({20.5f, 0, 0}, 2.4f, 6, 8);
    partOf(mesh, "guard", "brass").box({-3, -7, -1.6f}, {0, 7, 1.6f});
    MeshBuilder blade = partOf(mesh, "blade", "steel");
    irr::core::matrix4 alongMinusX;
    alongMinusX.setRotationDegrees({0, 0, 90});
    alongMinusX.setTranslation({-3, 0, 0});
    blade.setTransform(alongMinusX);
    blade.frustum({0, 0, 0}, 3.2f, 0.5f, {0, 62, 0}, 2.8f, 0.45f);
    blade.frustum({0, 62, 0}, 2.8f, 0.45f, {0, 78, 0}, 0.0f, 0.0f);
    return bakeShading(mesh);
}

void addChair(Mesh& mesh, float cx, float cz, float backSide, int number)
{
    const std::string id = std::to_string(number);
    partOf(mesh, "seat" + id, "fabric").box({cx - 22, 44, cz - 22}, {cx + 22, 49, cz + 22});
    MeshBuilder legs = partOf(mesh, "chairlegs" + id, "metal");
    for (float sx : {-1.0f, 1.0f})
        for (float sz : {-1.0f, 1.0f})
            legs.box({cx + sx * 19 - 1.5f, 0, cz + sz * 19 - 1.5f}, {cx + sx * 19 + 1.5f, 44, cz + sz * 19 + 1.5f});
    const float backZ = cz + backSide * 21;
    partOf(mesh, "back" + id, "fabric").box({cx - 22, 49, std::min(backZ, backZ + backSide * 4)},
                                            {cx + 22, 98, std::max(backZ, backZ + backSide * 4)});
}

// A table for four with its chairs, 140 x 200 units: half that once the level scales it by 0.5.
Mesh tableWithChairs()
{
    Mesh mesh;
    mesh.materials = {{"wood", "tablewood.jpg", 255, 255, 255, false}, {"fabric", "", 50, 80, 160, false},
                      {"metal", "", 160, 162, 170, false}};
    partOf(mesh, "top", "wood").box({-70, 77, -45}, {70, 83, 45});
    MeshBuilder legs = partOf(mesh, "legs", "wood");
    for (float sx : {-1.0f, 1.0f})
        for (float sz : {-1.0f, 1.0f})
            legs.box({sx * 62 - 3, 0, sz * 37 - 3}, {sx * 62 + 3, 77, sz * 37 + 3});
    int number = 0;
    for (float side : {-1.0f, 1.0f})
        for (float x : {-35.0f, 35.0f})
            addChair(mesh, x, side * 72, side, number++);
    return bakeShading(mesh);
}

// A vernier caliper about 7 units long, its scale printed on the beam.
Mesh caliper()
{
    Mesh mesh;
    mesh.materials = {{"scale", "caliperscale.jpg", 255, 255, 255, false}, {"steel", "", 175, 180, 192, false}};
    partOf(mesh, "beam", "scale").box({-3.2f, 0, -0.06f}, {3.2f, 0.55f, 0.06f});
    MeshBuilder fixed = partOf(mesh, "fixedjaw", "steel");
    fixed.frustum({-2.95f, -2.0f, 0}, 0.06f, 0.06f, {-2.95f, 0, 0}, 0.28f, 0.06f);
    fixed.frustum({-3.0f, 0.55f, 0}, 0.2f, 0.06f, {-3.0f, 1.3f, 0}, 0.05f, 0.06f);
    MeshBuilder slider = partOf(mesh, "slider", "steel");
    slider.box({-2.0f, -0.1f, -0.12f}, {-0.6f, 0.65f, 0.12f});
    slider.frustum({-1.8f, -2.0f, 0}, 0.06f, 0.06f, {-1.8f, -0.1f, 0}, 0.24f, 0.06f);
    slider.frustum({-1.85f, 0.65f, 0}, 0.18f, 0.06f, {-1.85f, 1.3f, 0}, 0.05f, 0.06f);
    slider.box({-1.0f, -0.35f, -0.1f}, {-0.75f, -0.1f, 0.1f});
    partOf(mesh, "depthrod", "steel").box({3.2f, 0.22f, -0.03f}, {3.9f, 0.32f, 0.03f});
    return bakeShading(mesh);
}

Image woodTexture()
{
    Image image(256, 256);
    const Noise noise(17);
    image.paint([&](int x, int y) {
        const float fx = static_cast<float>(x) / 256.0f, fy = static_cast<float>(y) / 256.0f;
        const float warp = noise.fractal(fx * 4.0f, fy * 1.0f, 4, 4) * 5.0f;
        const float grain = 0.5f + 0.5f * std::sin((fx * 24.0f + warp) * irr::core::PI);
        return Image::mix(Color(255, 120, 72, 36), Color(255, 178, 122, 68), grain * 0.7f + noise.smooth(fx * 64, fy * 8) * 0.3f);
    });
    return image;
}

// Millimetre ticks, longer every five and ten, on brushed steel.
Image caliperScale()
{
    Image image(512, 64);
    const Noise noise(23);
    image.paint([&](int x, int y) {
        const float brushed = noise.smooth(static_cast<float>(x) / 40.0f, static_cast<float>(y) * 2.0f);
        return Image::mix(Color(255, 190, 195, 205), Color(255, 230, 233, 238), brushed);
    });
    for (int mm = 0; mm <= 150; ++mm) {
        const float x = 16.0f + static_cast<float>(mm) * 3.2f;
        const float length = mm % 10 == 0 ? 30.0f : (mm % 5 == 0 ? 20.0f : 12.0f);
        image.line(x, 0, x, length, mm % 10 == 0 ? 2.0f : 1.2f, Color(255, 20, 20, 25));
    }
    return image;
}

}  // namespace

void writeProps(const OutputFolder& out, const ImageFiles& images)
{
    write3DS(pilum(), out.path("gun/Pilum.3ds"));
    write3DS(tableWithChairs(), out.path("tablechair.3DS"));
    images.save(woodTexture(), out.path("tablewood.jpg"));
    write3DS(caliper(), out.path("shtangentzcirkul.3DS"));
    images.save(caliperScale(), out.path("caliperscale.jpg"));
}
