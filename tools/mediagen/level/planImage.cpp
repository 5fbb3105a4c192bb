// The top-down plan of the level, drawn for people to check by eye.
#include "level/planImage.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "level/Lettering.h"

namespace {

using Color = Image::Color;

const float PixelsPerUnit = 0.42f;
const int Margin = 70;
const int LegendHeight = 70;
const int RightLabels = 60;  // room for the names of objects by the east wall

// World (x, z) to image pixels, north up.
class PlanView {
public:
    explicit PlanView(const LevelPlan& plan)
    {
        _minX = _minZ = std::numeric_limits<float>::max();
        _maxX = _maxZ = std::numeric_limits<float>::lowest();
        for (const Area& a : plan.areas) {
            _minX = std::min(_minX, a.x0);
            _maxX = std::max(_maxX, a.x1);
            _minZ = std::min(_minZ, a.z0);
            _maxZ = std::max(_maxZ, a.z1);
        }
    }
    int width() const { return static_cast<int>((_maxX - _minX) * PixelsPerUnit) + 2 * Margin + RightLabels; }
    int height() const { return static_cast<int>((_maxZ - _minZ) * PixelsPerUnit) + 2 * Margin + LegendHeight; }
    float px(float x) const { return (x - _minX) * PixelsPerUnit + Margin; }
    float py(float z) const { return (_maxZ - z) * PixelsPerUnit + Margin; }
    void rect(Image& img, float x0, float z0, float x1, float z1, Color c) const
    {
        img.fillRect(static_cast<int>(px(x0)), static_cast<int>(py(z1)), static_cast<int>(px(x1) + 0.5f),
                     static_cast<int>(py(z0) + 0.5f), c);
    }

private:
    float _minX, _maxX, _minZ, _maxZ;
};

const Color Background(255, 34, 38, 46);
const Color WallColor(255, 20, 22, 26);
const Color FurnitureColor(255, 150, 146, 138);
const Color DoorColor(255, 235, 130, 30);
const Color PanelColor(255, 200, 90, 200);
const Color EdgeColor(255, 70, 120, 230);
const Color WaypointColor(255, 40, 80, 210);
const Color PlayerColor(255, 30, 170, 60);
const Color MonsterColor(255, 210, 40, 40);
const Color ObjectColor(255, 20, 150, 170);
const Color ItemColor(255, 170, 120, 0);
const Color Ink(255, 25, 25, 30);

Color floorColor(const Area& a) { return a.roofed ? Color(255, 232, 228, 216) : Color(255, 206, 222, 196); }

void drawAreas(Image& img, const PlanView& v, const LevelPlan& plan, const Lettering& big)
{
    for (const Area& a : plan.areas)
        v.rect(img, a.x0, a.z0, a.x1, a.z1, floorColor(a));
    for (const Furniture& f : plan.furniture)
        v.rect(img, f.x0, f.z0, f.x1, f.z1, FurnitureColor);
    for (const Area& a : plan.areas) {
        const std::string title = a.roofed ? a.name : a.name + " (ceu aberto)";
        const int x = static_cast<int>(v.px(a.x0)) + 8, y = static_cast<int>(v.py(a.z1)) + 8;
        big.draw(img, x, y, title, Color(255, 110, 104, 96));
    }
}

void drawWalls(Image& img, const PlanView& v, const LevelPlan& plan)
{
    const float h = plan.wallThickness * 0.5f;
    for (const Wall& w : plan.walls) {
        if (w.alongX)
            v.rect(img, w.from - h, w.line - h, w.to + h, w.line + h, WallColor);
        else
            v.rect(img, w.line - h, w.from - h, w.line + h, w.to + h, WallColor);
    }
}

// A closed door's name and opening state, in two lines on the side of the area it keeps shut;
// a door with a labelled neighbour close by on the same wall moves its label further out.
void labelDoor(Image& img, const PlanView& v, const LevelPlan& plan, const Doorway& d, const Lettering& small)
{
    int crowded = 0;
    for (const Doorway& other : plan.doorways) {
        if (&other == &d)
            break;
        crowded += other.closed && other.alongX == d.alongX && std::abs(other.x - d.x) + std::abs(other.z - d.z) < 200;
    }
    const Area& behind = plan.area(d.leadsTo);
    const float side = d.alongX ? ((behind.z0 + behind.z1) * 0.5f > d.z ? 1.0f : -1.0f)
                                : ((behind.x0 + behind.x1) * 0.5f > d.x ? 1.0f : -1.0f);
    const std::string lines[] = {d.name, "estado " + std::to_string(d.opensAtState)};
    const int lineHeight = small.height() + 2;
    const int out = 8 + crowded * 2 * lineHeight;
    for (int i = 0; i < 2; ++i) {
        int x, y;
        if (d.alongX) {
            x = static_cast<int>(v.px(d.x + d.width * 0.5f)) + 6;
            y = static_cast<int>(v.py(d.z)) + (side > 0 ? -out - (2 - i) * lineHeight : out + i * lineHeight - 8);
        } else {
            x = static_cast<int>(v.px(d.x)) + (side > 0 ? out : -out - small.width(lines[i]));
            y = static_cast<int>(v.py(d.z)) - lineHeight + i * lineHeight;
        }
        small.draw(img, x, y, lines[i], Color(255, 150, 70, 0));
    }
}

void drawDoorways(Image& img, const PlanView& v, const LevelPlan& plan, const Lettering& small)
{
    for (const Doorway& d : plan.doorways) {
        const float half = d.width * 0.5f, depth = plan.wallThickness * 0.5f + 4.0f;
        const float x0 = d.alongX ? d.x - half : d.x - depth, x1 = d.alongX ? d.x + half : d.x + depth;
        const float z0 = d.alongX ? d.z - depth : d.z - half, z1 = d.alongX ? d.z + depth : d.z + half;
        if (!d.closed) {
            v.rect(img, x0, z0, x1, z1, floorColor(plan.area(d.leadsTo)));
            continue;
        }
        v.rect(img, x0, z0, x1, z1, d.height < plan.wallHeight ? DoorColor : PanelColor);
        labelDoor(img, v, plan, d, small);
    }
}

void drawWaypoints(Image& img, const PlanView& v, const WaypointFile& waypoints)
{
    for (const WaypointFile::Point& a : waypoints.points)
        for (const auto& edge : a.edges) {
            const WaypointFile::Point& b = waypoints.points[edge.first];
            img.line(v.px(a.x), v.py(a.z), v.px(b.x), v.py(b.z), 1.5f, EdgeColor);
        }
    for (const WaypointFile::Point& w : waypoints.points)
        img.fillCircle(v.px(w.x), v.py(w.z), 4.0f, WaypointColor);
}

// A name beside its marker, on a light patch so it reads over walls and furniture.
void labelAt(Image& img, const Lettering& font, float x, float y, const std::string& text, Color c)
{
    const int left = static_cast<int>(x) + 8, top = static_cast<int>(y) - font.height() / 2;
    img.fillRect(left - 2, top, left + font.width(text) + 2, top + font.height() + 3, Color(150, 250, 248, 240));
    font.draw(img, left, top, text, c);
}

void drawObjects(Image& img, const PlanView& v, const LevelPlan& plan, const Lettering& small)
{
    for (const PlanPoint& t : plan.tableGroups)
        v.rect(img, t.x - 30, t.z - 30, t.x + 30, t.z + 30, Color(255, 120, 90, 60));
    const PlanPoint& pic = plan.picture;
    v.rect(img, pic.x - 220, pic.z - 6, pic.x + 220, pic.z + 6, Color(255, 60, 90, 200));
    labelAt(img, small, v.px(pic.x) - 30, v.py(pic.z) - 14, "quadro", Ink);
    for (const SceneryEntry& e : plan.scenery) {
        if (!e.touchable)
            continue;
        const float x = v.px(e.pos.x), y = v.py(e.pos.z);
        if (e.scenery)
            img.fillRect(static_cast<int>(x) - 6, static_cast<int>(y) - 6, static_cast<int>(x) + 7,
                         static_cast<int>(y) + 7, ObjectColor);
        else
            img.fillPolygon({{x, y - 8}, {x + 8, y}, {x, y + 8}, {x - 8, y}}, ItemColor);
        labelAt(img, small, x, y, e.name, Ink);
        img.fillCircle(v.px(e.touchSpot.x), v.py(e.touchSpot.z), 3.0f, ObjectColor);
    }
}

void drawSpawns(Image& img, const PlanView& v, const LevelPlan& plan, const Lettering& small)
{
    std::vector<std::pair<float, float>> used;
    for (const Spawn& s : plan.spawns) {
        const float x = v.px(s.x), y = v.py(s.z);
        int stacked = 0;
        for (const auto& u : used)
            if (u.first == x && u.second == y)
                ++stacked;
        used.push_back({x, y});
        img.fillCircle(x, y, 7.0f, s.player ? PlayerColor : MonsterColor);
        labelAt(img, small, x, y + stacked * small.height(), s.name, s.player ? PlayerColor : MonsterColor);
    }
}

void drawLegend(Image& img, const Lettering& small, const Lettering& big)
{
    int y = img.height() - LegendHeight + 8;
    big.draw(img, Margin, 12, "Estacao de pesquisa Orvend - planta (norte para cima, 1 px = 2,4 unidades)",
             Color(255, 230, 230, 230));
    struct Key { Color c; const char* text; };
    const Key keys[] = {{DoorColor, "porta (estado que abre)"}, {PanelColor, "painel de parede"},
                        {WaypointColor, "waypoint e aresta"}, {PlayerColor, "inicio do jogador"},
                        {MonsterColor, "monstro"}, {ObjectColor, "objeto tocavel / ponto de toque"},
                        {ItemColor, "coletavel"}, {FurnitureColor, "mobilia"}};
    int x = Margin;
    for (const Key& k : keys) {
        img.fillRect(x, y + 4, x + 14, y + 18, k.c);
        small.draw(img, x + 20, y + 3, k.text, Color(255, 230, 230, 230));
        x += 40 + small.width(k.text);
        if (x > img.width() - 260) {
            x = Margin;
            y += 24;
        }
    }
}

}  // namespace

Image drawPlan(const LevelPlan& plan, const WaypointFile& waypoints)
{
    const PlanView view(plan);
    Image img(view.width(), view.height(), Background);
    const Lettering small(PlanFontFile, 12);
    const Lettering big(PlanFontFile, 16);
    drawAreas(img, view, plan, big);
    drawWalls(img, view, plan);
    drawDoorways(img, view, plan, small);
    drawWaypoints(img, view, waypoints);
    drawObjects(img, view, plan, small);
    drawSpawns(img, view, plan, small);
    drawLegend(img, small, big);
    return img;
}
