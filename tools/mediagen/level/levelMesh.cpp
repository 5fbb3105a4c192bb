// The level's geometry built from its plan.
#include "level/levelMesh.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "MeshBuilder.h"

namespace {

using Vec = irr::core::vector3df;

const float FrameWidth = 10.0f;
const float FrameProud = 8.0f;   // how far a frame stands out of the wall on each side
const float FrameInset = 5.0f;   // the wall stops this far inside the jamb, so no faces coincide
const float WallUV = 250.0f;     // the wall texture spans the whole height, skirting at the bottom
const float FloorUV = 200.0f;
const float CeilingUV = 200.0f;

// One part per material, each material named after its texture.
class Parts {
public:
    explicit Parts(Mesh& mesh) : _mesh(mesh) {}

    MeshPart& operator[](const std::string& material)
    {
        auto found = _index.find(material);
        if (found == _index.end()) {
            _mesh.materials.push_back({material, material + ".jpg", 255, 255, 255, false});
            _mesh.parts.push_back({material, material, {}, {}});
            found = _index.emplace(material, _mesh.parts.size() - 1).first;
        }
        return _mesh.parts[found->second];
    }

private:
    Mesh& _mesh;
    std::map<std::string, std::size_t> _index;
};

irr::core::matrix4 fileUnits()
{
    irr::core::matrix4 m;
    m.setScale(1.0f / LevelScale);
    return m;
}

// A box whose x-facing sides take the darker copy of the material.
void shadedBox(Parts& parts, const std::string& material, const Vec& min, const Vec& max, float uvScale)
{
    parts[material];
    parts[material + SideShadeSuffix];
    MeshBuilder lit(parts[material]);
    MeshBuilder side(parts[material + SideShadeSuffix]);
    for (MeshBuilder* b : {&lit, &side}) {
        b->setUVScale(uvScale);
        b->setTransform(fileUnits());
    }
    const Vec lbn(min.X, min.Y, min.Z), rbn(max.X, min.Y, min.Z), ltn(min.X, max.Y, min.Z), rtn(max.X, max.Y, min.Z);
    const Vec lbf(min.X, min.Y, max.Z), rbf(max.X, min.Y, max.Z), ltf(min.X, max.Y, max.Z), rtf(max.X, max.Y, max.Z);
    lit.quad(ltn, rtn, rbn, lbn);   // -z
    lit.quad(rtf, ltf, lbf, rbf);   // +z
    side.quad(ltf, ltn, lbn, lbf);  // -x
    side.quad(rtn, rtf, rbf, rbn);  // +x
    lit.quad(ltf, rtf, rtn, ltn);   // +y
    lit.quad(lbn, rbn, rbf, lbf);   // -y
}

// A box spanning [a, b] along the wall's direction, [y0, y1] in height and depth around its line.
void wallPiece(Parts& parts, const Wall& w, float a, float b, float y0, float y1, float halfDepth,
               const std::string& material, float uvScale)
{
    if (b - a <= 0.01f || y1 - y0 <= 0.01f)
        return;
    if (w.alongX)
        shadedBox(parts, material, {a, y0, w.line - halfDepth}, {b, y1, w.line + halfDepth}, uvScale);
    else
        shadedBox(parts, material, {w.line - halfDepth, y0, a}, {w.line + halfDepth, y1, b}, uvScale);
}

bool onWall(const Doorway& d, const Wall& w)
{
    const float line = w.alongX ? d.z : d.x;
    const float along = w.alongX ? d.x : d.z;
    return d.alongX == w.alongX && std::abs(line - w.line) < 0.5f && along > w.from && along < w.to;
}

bool framed(const Doorway& d, float wallHeight) { return d.height < wallHeight; }

void addWall(Parts& parts, const LevelPlan& plan, const Wall& w)
{
    std::vector<const Doorway*> gaps;
    for (const Doorway& d : plan.doorways)
        if (onWall(d, w))
            gaps.push_back(&d);
    std::sort(gaps.begin(), gaps.end(), [&](const Doorway* a, const Doorway* b) {
        return (w.alongX ? a->x : a->z) < (w.alongX ? b->x : b->z);
    });
    const float half = plan.wallThickness * 0.5f;
    const float H = plan.wallHeight;
    // Walls along x reach almost to the far face of the walls they meet, covering the corners;
    // walls along z stop at the centre lines, inside the walls they meet.
    const float reach = w.alongX ? half - 0.5f : 0.0f;
    float solidFrom = w.from - reach;
    for (const Doorway* d : gaps) {
        const float centre = w.alongX ? d->x : d->z;
        const float inset = framed(*d, H) ? FrameInset : 0.0f;
        const float gapFrom = centre - d->width * 0.5f - inset;
        const float gapTo = centre + d->width * 0.5f + inset;
        wallPiece(parts, w, solidFrom, gapFrom, 0, H, half, w.material, WallUV);
        wallPiece(parts, w, gapFrom, gapTo, d->height + inset, H, half, w.material, WallUV);
        solidFrom = gapTo;
    }
    wallPiece(parts, w, solidFrom, w.to + reach, 0, H, half, w.material, WallUV);
}

void addFrame(Parts& parts, const LevelPlan& plan, const Doorway& d)
{
    const Wall w{d.alongX, d.alongX ? d.z : d.x, 0, 0, ""};
    const float centre = d.alongX ? d.x : d.z;
    const float depth = plan.wallThickness * 0.5f + FrameProud;
    const float top = std::min(d.height + FrameWidth, plan.wallHeight);
    const float left = centre - d.width * 0.5f, right = centre + d.width * 0.5f;
    wallPiece(parts, w, left - FrameWidth, left, 0, top, depth, "orvend_moldura", 0);
    wallPiece(parts, w, right, right + FrameWidth, 0, top, depth, "orvend_moldura", 0);
    wallPiece(parts, w, left, right, d.height, top, depth, "orvend_moldura", 0);
}

void addFloorAndCeiling(Parts& parts, const Area& a, float height)
{
    MeshBuilder floor(parts[a.floorMaterial]);
    floor.setUVScale(FloorUV);
    floor.setTransform(fileUnits());
    floor.quad({a.x0, 0, a.z1}, {a.x1, 0, a.z1}, {a.x1, 0, a.z0}, {a.x0, 0, a.z0});
    if (!a.roofed)
        return;
    MeshBuilder ceiling(parts["orvend_teto"]);
    ceiling.setUVScale(CeilingUV);
    ceiling.setTransform(fileUnits());
    ceiling.quad({a.x0, height, a.z0}, {a.x1, height, a.z0}, {a.x1, height, a.z1}, {a.x0, height, a.z1});
}

}  // namespace

Mesh buildLevelMesh(const LevelPlan& plan)
{
    Mesh mesh;
    Parts parts(mesh);
    for (const Area& a : plan.areas)
        addFloorAndCeiling(parts, a, plan.wallHeight);
    for (const Wall& w : plan.walls)
        addWall(parts, plan, w);
    for (const Doorway& d : plan.doorways)
        if (framed(d, plan.wallHeight))
            addFrame(parts, plan, d);
    for (const Furniture& f : plan.furniture)
        shadedBox(parts, f.material, {f.x0, f.y0, f.z0}, {f.x1, f.y1, f.z1}, 0);
    return mesh;
}
