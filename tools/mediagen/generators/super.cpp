// The super soldier's Quake 2 model and skin.
#include "generators/super.h"

#include <cmath>

#include "Humanoid.h"
#include "Noise.h"
#include "formats/WriterMD2.h"
#include "generators/ninja.h"

using Color = Image::Color;

namespace {

// Twice the scale the game gives it makes him as tall as the ninja; he faces +X as the game expects.
std::vector<irr::core::vector3df> placed(std::vector<irr::core::vector3df> positions)
{
    irr::core::matrix4 m;
    m.setRotationDegrees({0, 90, 0});
    m.setScale(5.0f);
    for (irr::core::vector3df& p : positions)
        m.transformVect(p);
    return positions;
}

MorphMesh superMesh()
{
    const Humanoid body(false);
    MorphMesh mesh;
    for (const AnimatedVertex& v : body.vertices())
        mesh.uvs.emplace_back(v.u, v.v);
    mesh.indices = body.indices();
    mesh.frames.push_back({"stand01", placed(body.posed(standPose(0)))});
    for (int k = 0; k < 6; ++k)
        mesh.frames.push_back({"run0" + std::to_string(k + 1), placed(body.posed(walkPose(static_cast<float>(k) / 6.0f)))});
    return mesh;
}

// A face under short hair, the front of the head at u = 0.5.
Color head(float u, float v)
{
    const float face = Image::smoothstep(0.2f, 0.16f, std::abs(u - 0.5f)) * Image::smoothstep(0.3f, 0.36f, v);
    Color c = Image::mix(Color(255, 70, 44, 20), Color(255, 226, 178, 140), face);
    for (float eye : {0.455f, 0.545f})
        if (std::hypot((u - eye) / 0.025f, (v - 0.47f) / 0.02f) < 1.0f)
            c = Color(255, 30, 60, 120);
    if (std::abs(u - 0.5f) < 0.04f && std::abs(v - 0.62f) < 0.012f)
        c = Color(255, 150, 60, 50);
    return c;
}

Image superSkin()
{
    Image skin(256, 256);
    const Noise noise(41);
    auto fabric = [&](Color base) {
        return [&noise, base](float u, float v) { return Image::mix(base, Color(255, 255, 255, 255), 0.12f * noise.smooth(u * 40, v * 40)); };
    };
    Humanoid::paintCell(skin, Humanoid::Suit, fabric(Color(255, 30, 70, 190)));
    Humanoid::paintCell(skin, Humanoid::HeadSkin, head);
    Humanoid::paintCell(skin, Humanoid::Sash, fabric(Color(255, 240, 200, 30)));
    Humanoid::paintCell(skin, Humanoid::Glove, fabric(Color(255, 200, 30, 30)));
    Humanoid::paintCell(skin, Humanoid::Boot, fabric(Color(255, 200, 30, 30)));
    Humanoid::paintCell(skin, Humanoid::Band, fabric(Color(255, 70, 44, 20)));
    return skin;
}

}  // namespace

void writeSuper(const OutputFolder& out, const ImageFiles& images)
{
    writeMD2(superMesh(), out.path("super.md2"));
    images.save(superSkin(), out.path("super.pcx"));
}
