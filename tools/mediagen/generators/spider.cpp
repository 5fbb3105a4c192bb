// The animated spider model and its skin.
#include "generators/spider.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "MeshBuilder.h"
#include "Noise.h"
#include "formats/WriterB3D.h"
#include "track.h"

using irr::core::matrix4;
using irr::core::vector2df;
using irr::core::vector3df;
using Color = Image::Color;
using Pose = JointedBody::Pose;

namespace {

const float Tau = 2.0f * irr::core::PI;

// Joints: the root, the body (thorax and head), the abdomen, then each leg's hip and knee.
enum { Root, Body, Abdomen, FirstLeg };
const int LegCount = 8;
const int JointCount = FirstLeg + 2 * LegCount;
int hip(int leg) { return FirstLeg + 2 * leg; }
int knee(int leg) { return FirstLeg + 2 * leg + 1; }

// Legs 0-3 on the left (-X), front to back, then 4-7 on the right.
float legSide(int leg) { return leg < 4 ? -1.0f : 1.0f; }
int legRank(int leg) { return leg % 4; }

// The horizontal way a leg reaches out, from nearly ahead for the front pair to nearly behind.
vector3df legDirection(int leg)
{
    const float degrees[4] = {35, 70, 105, 140};
    const float a = degrees[legRank(leg)] * irr::core::DEGTORAD;
    return {legSide(leg) * std::sin(a), 0, std::cos(a)};
}

Pose rest()
{
    return {std::vector<vector3df>(JointCount), {}};
}

vector3df hipAt(int leg) { return {legSide(leg) * 0.9f, 3.3f, 1.1f - 0.45f * static_cast<float>(legRank(leg))}; }
vector3df kneeAt(int leg) { return hipAt(leg) + legDirection(leg) * 2.6f + vector3df(0, 1.7f, 0); }
vector3df footAt(int leg)
{
    const vector3df foot = kneeAt(leg) + legDirection(leg) * 2.9f;
    return {foot.X, 0, foot.Z};
}

// The cells of the 256 x 256 skin, in pixels.
enum Cell { AbdomenFur, ThoraxFur, LegFur, Eye, Fang, KneeFur, CellCount };
const irr::core::recti Cells[CellCount] = {{0, 0, 128, 128},    {128, 0, 256, 128},   {0, 128, 128, 192},
                                           {128, 128, 192, 192}, {192, 128, 256, 192}, {0, 192, 64, 256}};

void addSolid(JointedBody& body, int joint, Cell cell, const std::function<void(MeshBuilder&)>& build)
{
    const irr::core::recti& r = Cells[cell];
    body.addSolid(joint, {(static_cast<float>(r.UpperLeftCorner.X) + 2.0f) / 256.0f, (static_cast<float>(r.UpperLeftCorner.Y) + 2.0f) / 256.0f},
                  {(static_cast<float>(r.getWidth()) - 4.0f) / 256.0f, (static_cast<float>(r.getHeight()) - 4.0f) / 256.0f}, build);
}

void ellipsoid(MeshBuilder& b, const vector3df& centre, const vector3df& radii, int rings, int segments)
{
    matrix4 m;
    m.setScale(radii);
    m.setTranslation(centre);
    b.setTransform(m);
    b.sphere({0, 0, 0}, 1.0f, rings, segments);
}

// A round rod from a to b.
void rod(MeshBuilder& b, const vector3df& from, const vector3df& to, float radius)
{
    matrix4 m;
    m.buildRotateFromTo({0, 1, 0}, (to - from).normalize());
    m.setTranslation(from);
    b.setTransform(m);
    b.cylinder({0, 0, 0}, radius, from.getDistanceFrom(to), 6);
}

void buildLeg(JointedBody& body, int leg)
{
    addSolid(body, hip(leg), LegFur, [leg](MeshBuilder& b) { rod(b, hipAt(leg), kneeAt(leg), 0.26f); });
    addSolid(body, knee(leg), KneeFur, [leg](MeshBuilder& b) { ellipsoid(b, kneeAt(leg), vector3df(0.32f), 4, 6); });
    addSolid(body, knee(leg), LegFur, [leg](MeshBuilder& b) { rod(b, kneeAt(leg), footAt(leg), 0.19f); });
}

// The turn of a hip or knee: swung about the vertical (forward is towards +Z) and raised about the
// horizontal axis across the leg, as Euler degrees.
vector3df legTurn(int leg, float swing, float lift)
{
    const vector3df dir = legDirection(leg);
    const float forward = -legSide(leg);
    irr::core::quaternion raise;
    raise.fromAngleAxis(-lift * irr::core::DEGTORAD, vector3df(0, 1, 0).crossProduct(dir));
    matrix4 raised = raise.getMatrix();
    matrix4 swung;
    swung.setRotationDegrees({0, forward * swing, 0});
    return (swung * raised).getRotationDegrees();
}

Pose walkPose(float phase)
{
    Pose pose = rest();
    for (int leg = 0; leg < LegCount; ++leg) {
        // Two alternating sets of four: front and third on one side with second and back on the other.
        const bool firstSet = (legRank(leg) % 2 == 0) == (legSide(leg) < 0);
        const float g = Tau * (phase + (firstSet ? 0.0f : 0.5f));
        pose.rotation[hip(leg)] = legTurn(leg, 16.0f * std::sin(g), 22.0f * std::max(0.0f, std::cos(g)));
        pose.rotation[knee(leg)] = legTurn(leg, 0, -12.0f * std::max(0.0f, std::cos(g)));
    }
    pose.rotation[Abdomen] = {4.0f * std::sin(2 * Tau * phase), 5.0f * std::sin(Tau * phase), 0};
    pose.rootShift = {0, 0.15f * std::abs(std::sin(Tau * phase)), 0};
    return pose;
}

// Rears with the front legs high, then slams them down and lunges; back at rest by its end.
Pose strikePose(float t)
{
    Pose pose = rest();
    const float rear = track(t, {{0, 0}, {0.55f, 24}, {0.8f, -6}, {1, 0}});
    pose.rotation[Body] = {-rear, 0, 0};
    pose.rootShift = {0, track(t, {{0, 0}, {0.55f, 0.9f}, {1, 0}}), track(t, {{0, 0}, {0.55f, -0.4f}, {0.8f, 1.2f}, {1, 0}})};
    const float raise = track(t, {{0, 0}, {0.55f, 65}, {0.8f, -8}, {1, 0}});
    for (int leg : {0, 4}) {
        pose.rotation[hip(leg)] = legTurn(leg, track(t, {{0, 0}, {0.55f, 15}, {1, 0}}), raise);
        pose.rotation[knee(leg)] = legTurn(leg, 0, track(t, {{0, 0}, {0.55f, 30}, {0.8f, -20}, {1, 0}}));
    }
    for (int leg : {1, 5})
        pose.rotation[hip(leg)] = legTurn(leg, 0, raise * 0.4f);
    pose.rotation[Abdomen] = {rear * 0.5f, 0, 0};
    return pose;
}

// The front legs paw the floor one after the other.
Pose pawPose(float t)
{
    Pose pose = rest();
    const float s = std::sin(Tau * t);
    pose.rotation[hip(0)] = legTurn(0, 6.0f * s, 28.0f * std::max(0.0f, s));
    pose.rotation[hip(4)] = legTurn(4, -6.0f * s, 28.0f * std::max(0.0f, -s));
    pose.rotation[Body] = {-3.0f * std::sin(irr::core::PI * t), 0, 0};
    return pose;
}

Pose breathePose(float t)
{
    Pose pose = rest();
    const float s = std::sin(Tau * t);
    pose.rotation[Abdomen] = {3.0f * s, 0, 0};
    pose.rootShift = {0, -0.08f * (1 - std::cos(Tau * t)), 0};
    return pose;
}

// Legs curl up under the body as it drops to the floor and rolls a little.
Pose diePose(float t)
{
    Pose pose = rest();
    const float curl = Image::smoothstep(0.0f, 1.0f, t);
    for (int leg = 0; leg < LegCount; ++leg) {
        pose.rotation[hip(leg)] = legTurn(leg, 0, 40.0f * curl);
        pose.rotation[knee(leg)] = legTurn(leg, 0, -115.0f * curl);
    }
    pose.rotation[Root] = {0, 0, 18.0f * curl};
    pose.rootShift = {0, -1.6f * curl * curl, 0};
    return pose;
}

float within(int frame, int first, int last)
{
    return static_cast<float>(frame - first) / static_cast<float>(last - first);
}

Color fur(const Noise& noise, float u, float v, Color dark, Color light)
{
    const float bristle = noise.fractal(u * 48.0f, v * 48.0f, 3);
    const float patch = noise.fractal(u * 6.0f, v * 6.0f, 3);
    return Image::mix(dark, light, std::clamp(bristle * 0.8f + patch * 0.4f - 0.3f, 0.0f, 1.0f));
}

// The abdomen's top carries a red hourglass and pale chevrons down its back (u = 0.5 is the front).
Color abdomen(const Noise& noise, float u, float v)
{
    Color c = fur(noise, u, v, Color(255, 20, 14, 10), Color(255, 84, 56, 32));
    const float back = std::abs(u - 0.5f) < 0.25f ? 1.0f : 0.0f;
    const float chevron = std::fmod(v * 7.0f + std::abs(u - 0.5f) * 6.0f, 1.0f);
    if (back > 0 && v > 0.25f && v < 0.75f && chevron < 0.18f)
        c = Image::mix(c, Color(255, 190, 160, 110), 0.7f);
    const float du = std::abs(u - 0.5f), dv = v - 0.2f;
    if (du < 0.09f * (0.3f + std::abs(dv) / 0.12f) && std::abs(dv) < 0.12f)
        c = Color(255, 200, 24, 16);
    return c;
}

Image spiderSkin()
{
    Image skin(256, 256);
    const Noise noise(21);
    auto paint = [&skin](Cell cell, const std::function<Color(float, float)>& colour) {
        const irr::core::recti& r = Cells[cell];
        const float w = static_cast<float>(r.getWidth()) - 4.0f, h = static_cast<float>(r.getHeight()) - 4.0f;
        for (int y = r.UpperLeftCorner.Y; y < r.LowerRightCorner.Y; ++y)
            for (int x = r.UpperLeftCorner.X; x < r.LowerRightCorner.X; ++x)
                skin.set(x, y, colour((static_cast<float>(x - r.UpperLeftCorner.X) - 1.5f) / w, (static_cast<float>(y - r.UpperLeftCorner.Y) - 1.5f) / h));
    };
    paint(AbdomenFur, [&](float u, float v) { return abdomen(noise, u, v); });
    paint(ThoraxFur, [&](float u, float v) { return fur(noise, u + 3, v, Color(255, 30, 20, 14), Color(255, 110, 74, 40)); });
    // Bands of pale hair ring the legs.
    paint(LegFur, [&](float u, float v) {
        const Color c = fur(noise, u + 5, v, Color(255, 24, 16, 10), Color(255, 90, 60, 34));
        return std::fmod(v * 3.0f, 1.0f) < 0.2f ? Image::mix(c, Color(255, 170, 140, 96), 0.6f) : c;
    });
    paint(Eye, [](float u, float v) { return Image::mix(Color(255, 150, 8, 8), Color(255, 20, 0, 0), std::min(1.0f, std::hypot(u - 0.5f, v - 0.3f) * 2.5f)); });
    paint(Fang, [](float, float v) { return Image::mix(Color(255, 60, 40, 30), Color(255, 230, 220, 200), v); });
    paint(KneeFur, [&](float u, float v) { return fur(noise, u + 7, v, Color(255, 60, 40, 22), Color(255, 150, 110, 60)); });
    return skin;
}

std::vector<std::pair<int, Pose>> spiderKeys()
{
    std::vector<std::pair<int, Pose>> keys;
    for (int f = 0; f <= 25; ++f)
        keys.emplace_back(f, spiderPose(f));
    for (int f = 197; f <= 251; ++f)
        keys.emplace_back(f, spiderPose(f));
    for (int f = 382; f <= 399; ++f)
        keys.emplace_back(f, spiderPose(f));
    return keys;
}

}  // namespace

JointedBody spiderBody()
{
    JointedBody body;
    body.addJoint("root", -1, {0, 0, 0});
    body.addJoint("body", Root, {0, 3.3f, 0.6f});
    body.addJoint("abdomen", Body, {0, 3.5f, -0.6f});
    for (int leg = 0; leg < LegCount; ++leg) {
        const std::string name = std::to_string(legRank(leg)) + (legSide(leg) < 0 ? ".L" : ".R");
        body.addJoint("hip" + name, Body, hipAt(leg));
        body.addJoint("knee" + name, hip(leg), kneeAt(leg));
    }
    addSolid(body, Body, ThoraxFur, [](MeshBuilder& b) { ellipsoid(b, {0, 3.3f, 0.9f}, {1.35f, 1.0f, 1.55f}, 8, 12); });
    addSolid(body, Body, ThoraxFur, [](MeshBuilder& b) { ellipsoid(b, {0, 3.2f, 2.45f}, {0.85f, 0.7f, 0.55f}, 6, 10); });
    addSolid(body, Abdomen, AbdomenFur, [](MeshBuilder& b) { ellipsoid(b, {0, 3.8f, -2.6f}, {2.0f, 1.7f, 2.4f}, 10, 14); });
    const std::array<std::array<float, 3>, 8> eyes = {{{-0.22f, 3.45f, 0.16f}, {0.22f, 3.45f, 0.16f}, {-0.5f, 3.55f, 0.1f},
                                                        {0.5f, 3.55f, 0.1f}, {-0.32f, 3.72f, 0.09f}, {0.32f, 3.72f, 0.09f},
                                                        {-0.62f, 3.35f, 0.08f}, {0.62f, 3.35f, 0.08f}}};
    for (const auto& e : eyes)
        addSolid(body, Body, Eye, [&e](MeshBuilder& b) {
            const float z = 2.45f + 0.55f * std::sqrt(std::max(0.0f, 1 - (e[0] / 0.85f) * (e[0] / 0.85f) - ((e[1] - 3.2f) / 0.7f) * ((e[1] - 3.2f) / 0.7f)));
            ellipsoid(b, {e[0], e[1], z}, vector3df(e[2]), 4, 6);
        });
    for (float side : {-1.0f, 1.0f})
        addSolid(body, Body, Fang, [side](MeshBuilder& b) { rod(b, {side * 0.3f, 2.95f, 2.85f}, {side * 0.22f, 2.1f, 3.15f}, 0.12f); });
    for (int leg = 0; leg < LegCount; ++leg)
        buildLeg(body, leg);
    return body;
}

JointedBody::Pose spiderPose(int frame)
{
    if (frame <= 25)
        return walkPose(within(frame, 1, 25));
    if (frame < 206)
        return strikePose(within(frame, 197, 206));
    if (frame < 230)
        return pawPose(within(frame, 206, 230));
    if (frame <= 250)
        return breathePose(within(frame, 230, 250));
    if (frame < 382)
        return rest();
    return diePose(std::min(1.0f, within(frame, 382, 398)));
}

void writeSpider(const OutputFolder& out, const ImageFiles& images)
{
    writeB3D(spiderBody().skinned("beast3.jpg", spiderKeys()), out.path("freebeast/spider.b3d"));
    images.save(spiderSkin(), out.path("freebeast/beast3.jpg"));
}
