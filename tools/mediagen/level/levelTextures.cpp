// The level's procedural textures.
#include "level/levelTextures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Noise.h"
#include "level/Lettering.h"
#include "level/levelMesh.h"

namespace {

using Color = Image::Color;
const int Size = 256;

float hash(int x, int y, int seed) { return Noise(static_cast<std::uint32_t>(seed)).lattice(x, y); }

// Smooth noise repeating every `period` lattice cells, so the textures tile.
float noise(float x, float y, int period, int seed)
{
    return Noise(static_cast<std::uint32_t>(seed)).smooth(x, y, period);
}

// Noise over a few octaves, `cells` lattice cells across the texture at the coarsest, for stone and grain.
float grain(int x, int y, int seed, int cells = 8)
{
    const float scale = static_cast<float>(cells) / Size;
    return Noise(static_cast<std::uint32_t>(seed)).fractal(x * scale, y * scale, 4, cells);
}

Color shade(int r, int g, int b, float f)
{
    auto c = [&](int v) { return static_cast<irr::u32>(std::clamp(static_cast<int>(std::lround(v * f)), 0, 255)); };
    return Color(255, c(r), c(g), c(b));
}

Image wall()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        const float n = 0.94f + 0.08f * grain(x, y, 1, 16);
        if (y > 230)  // skirting, about 20 units high
            return shade(70, 76, 84, n);
        if (y >= 140 && y < 150)  // the station's teal stripe at hand height
            return shade(40, 150, 160, n);
        if (x % 128 == 0)  // panel seams
            return shade(170, 174, 180, n);
        return shade(214, 218, 222, n);
    });
    return img;
}

Image tiles(int count, int r, int g, int b, float checker, int seed, int grout)
{
    Image img(Size, Size);
    const int tile = Size / count;
    img.paint([=](int x, int y) {
        if (x % tile < grout || y % tile < grout)
            return shade(r, g, b, 0.62f);
        const bool odd = ((x / tile) + (y / tile)) % 2 == 1;
        const float n = 0.9f + 0.14f * grain(x, y, seed + (x / tile) * 7 + (y / tile) * 13, 8);
        return shade(r, g, b, n * (odd ? checker : 1.0f));
    });
    return img;
}

Image concrete()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (x % 128 < 2 || y % 128 < 2)
            return shade(110, 112, 114, 1.0f);
        const float n = 0.8f + 0.3f * grain(x, y, 5, 8);
        return shade(150, 152, 150, n);
    });
    return img;
}

Image paving()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        const int row = y / 32;
        const int shifted = x + (row % 2) * 32;
        if (y % 32 < 3 || shifted % 64 < 3)
            return shade(90, 88, 84, 1.0f);
        const float n = 0.8f + 0.3f * grain(x, y, 11 + (shifted / 64) * 3 + row * 5, 16);
        return shade(168, 150, 132, n);
    });
    return img;
}

Image ceiling()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        const int tile = Size / 4;
        if (x % tile < 2 || y % tile < 2)
            return shade(150, 152, 156, 1.0f);
        const bool light = x >= tile && x < 3 * tile && y >= tile && y < 2 * tile;
        if (light)
            return (x % 16 < 2) ? shade(230, 234, 240, 1.0f) : shade(252, 252, 246, 1.0f);
        return shade(205, 206, 208, 0.95f + 0.06f * grain(x, y, 21, 32));
    });
    return img;
}

Image metal(int r, int g, int b, int seed)
{
    Image img(Size, Size);
    img.paint([=](int x, int y) {
        const float streak = noise(x * 0.02f, y * 0.9f, 64, seed);
        return shade(r, g, b, 0.88f + 0.16f * streak);
    });
    return img;
}

Image desk()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y < 28)
            return shade(60, 64, 70, 1.0f);
        const float n = 0.92f + 0.08f * grain(x, y, 31, 16);
        if (y < 34)
            return shade(40, 150, 160, n);
        return shade(150, 112, 78, n * (0.94f + 0.06f * std::sin(x * 0.15f)));
    });
    return img;
}

Image bench()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y < 24)
            return shade(55, 58, 64, 1.0f);
        const int door = x % 128;
        if (door < 3 || door > 124 || y > 246)
            return shade(120, 124, 130, 1.0f);
        if (door > 100 && door < 108 && y > 60 && y < 120)
            return shade(90, 94, 100, 1.0f);
        return shade(232, 234, 236, 0.96f + 0.05f * grain(x, y, 41, 16));
    });
    return img;
}

Image shelves()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y % 64 < 8 || x < 6 || x > 249)
            return shade(110, 84, 60, 1.0f);
        const int box = (x / 30) * 5 + (y / 64);
        const float h = hash(box, 3, 51);
        if ((y % 64) > 64 - 10 - static_cast<int>(h * 40) && h > 0.25f) {
            const float k = 0.8f + 0.2f * hash(box, 9, 52);
            const int kind = box % 3;
            return kind == 0 ? shade(170, 140, 90, k) : kind == 1 ? shade(60, 110, 160, k) : shade(190, 190, 180, k);
        }
        return shade(36, 34, 32, 1.0f);
    });
    return img;
}

Image rack()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (x < 12 || x > 243)
            return shade(50, 52, 56, 1.0f);
        if (y % 32 < 2)
            return shade(70, 72, 76, 1.0f);
        const int unit = y / 32;
        if (y % 32 > 12 && y % 32 < 17 && x > 200 && x < 232 && (x / 8) % 2 == 0) {
            const float h = hash(x / 8, unit, 61);
            return h > 0.5f ? Color(255, 60, 230, 90) : Color(255, 250, 170, 40);
        }
        if ((x / 4) % 2 == 0 && y % 32 > 6 && y % 32 < 26 && x < 180)
            return shade(20, 20, 24, 1.0f);
        return shade(34, 36, 40, 1.0f);
    });
    return img;
}

Image crate()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        const bool border = x < 20 || x > 235 || y < 20 || y > 235;
        const bool brace = std::abs(x - y) < 12;
        const float n = 0.85f + 0.2f * noise(x * 0.03f, y * 0.4f, 8, 71);
        if (border || brace)
            return shade(150, 112, 62, n);
        if (y % 43 < 2)
            return shade(90, 66, 36, 1.0f);
        return shade(176, 138, 84, n);
    });
    return img;
}

Image upholstery(int r, int g, int b)
{
    Image img(Size, Size);
    img.paint([=](int x, int y) { return shade(r, g, b, 0.85f + 0.2f * grain(x, y, 81, 32)); });
    return img;
}

Image planter()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y > 150)
            return shade(120, 120, 118, 0.9f + 0.1f * grain(x, y, 91, 16));
        const float leaf = grain(x, y, 92, 16);
        return leaf > 0.5f ? shade(60, 140, 60, 0.7f + leaf * 0.5f) : shade(30, 80, 36, 0.8f + leaf * 0.4f);
    });
    return img;
}

// A steel door with a window band, a hazard strip and its room's letter. The engine's box shows the
// texture mirrored on its x-facing sides, so a door across a wall along z gets a mirrored letter.
Image door(const std::string& letter, const Lettering& big, bool mirrored)
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y > 226)
            return ((x + y) / 16) % 2 == 0 ? Color(255, 230, 180, 20) : Color(255, 30, 30, 30);
        if (x > 40 && x < 216 && y > 30 && y < 70)
            return shade(90, 150, 190, 0.8f + 0.3f * (1.0f - static_cast<float>(y - 30) / 40.0f));
        if (x == 128 || x == 127)
            return shade(60, 64, 70, 1.0f);
        return shade(150, 160, 172, 0.9f + 0.12f * noise(x * 0.02f, y * 0.8f, 64, 101));
    });
    img.fillRect(88, 100, 168, 180, Color(255, 40, 150, 160));
    big.draw(img, 128 - big.width(letter) / 2, 104, letter, Color(255, 250, 250, 250));
    if (!mirrored)
        return img;
    Image flipped(Size, Size);
    flipped.paint([&](int x, int y) { return img.at(Size - 1 - x, y); });
    return flipped;
}

Image pillar()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (y > 236)
            return shade(70, 76, 84, 1.0f);
        if (x < 10 || x > 245)
            return shade(150, 154, 160, 1.0f);
        return shade(196, 200, 206, 0.92f + 0.1f * grain(x, y, 151, 16));
    });
    return img;
}

// The station's name board over the lobby's way into the lab.
Image nameBoard(const Lettering& font)
{
    Image img(512, 96, Color(255, 30, 60, 80));
    img.fillRect(0, 0, 512, 6, Color(255, 40, 150, 160));
    img.fillRect(0, 90, 512, 96, Color(255, 40, 150, 160));
    const std::string title = "ESTACAO ORVEND";
    font.draw(img, 256 - font.width(title) / 2, 14, title, Color(255, 240, 245, 250));
    return img;
}

Image instrument()
{
    Image img(Size, Size);
    img.paint([](int x, int y) {
        if (x > 40 && x < 216 && y > 40 && y < 150)
            return (y / 12) % 2 == 0 ? shade(40, 170, 120, 1.0f) : shade(20, 60, 50, 1.0f);
        if (y > 180 && y < 210 && (x / 24) % 2 == 0)
            return x < 120 ? Color(255, 220, 60, 40) : Color(255, 60, 200, 90);
        return shade(90, 96, 104, 0.95f + 0.06f * grain(x, y, 161, 16));
    });
    return img;
}

Image panel()
{
    Image img = wall();
    for (int y = 6; y < 250; ++y) {
        img.set(6, y, shade(150, 154, 160, 1.0f));
        img.set(249, y, shade(150, 154, 160, 1.0f));
    }
    return img;
}

Image darker(const Image& source)
{
    Image img(source.width(), source.height());
    img.paint([&](int x, int y) {
        const Color c = source.at(x, y);
        return shade(static_cast<int>(c.getRed()), static_cast<int>(c.getGreen()), static_cast<int>(c.getBlue()), 0.8f);
    });
    return img;
}

class TextureWriter {
public:
    TextureWriter(const OutputFolder& out, const ImageFiles& images) : _out(out), _images(images) {}

    // A mesh material: the texture and its darker copy for the x-facing sides.
    void material(const std::string& name, const Image& image) const
    {
        save(name, image);
        save(name + SideShadeSuffix, darker(image));
    }
    void save(const std::string& name, const Image& image) const
    {
        _images.save(image, _out.path("OrvendMap/" + name + ".jpg"), 88);
    }

private:
    const OutputFolder& _out;
    const ImageFiles& _images;
};

}  // namespace

void writeLevelTextures(const OutputFolder& out, const ImageFiles& images, const LevelPlan& plan)
{
    const TextureWriter t(out, images);
    t.material("orvend_parede", wall());
    t.material("orvend_piso_saguao", tiles(2, 196, 186, 168, 0.93f, 111, 2));
    t.material("orvend_piso_lab", tiles(4, 226, 230, 232, 0.9f, 121, 1));
    t.material("orvend_piso_deposito", concrete());
    t.material("orvend_piso_patio", paving());
    t.material("orvend_teto", ceiling());
    t.material("orvend_moldura", metal(120, 128, 140, 131));
    t.material("orvend_balcao", desk());
    t.material("orvend_banco", upholstery(40, 70, 130));
    t.material("orvend_vaso", planter());
    t.material("orvend_bancada", bench());
    t.material("orvend_estante", shelves());
    t.material("orvend_rack", rack());
    t.material("orvend_caixa", crate());
    t.material("orvend_pedestal", tiles(1, 236, 236, 232, 1.0f, 141, 0));
    t.material("orvend_pilar", pillar());
    t.material("orvend_equipamento", instrument());
    t.material("orvend_placa", nameBoard(Lettering(PlanFontFile, 46)));
    const Lettering big(PlanFontFile, 72);
    for (const Doorway& d : plan.doorways)
        if (d.closed && d.height < plan.wallHeight)
            images.save(door(d.name.substr(d.name.size() - 1), big, !d.alongX), out.path(d.texture), 88);
    t.save("orvend_painel", panel());
}
