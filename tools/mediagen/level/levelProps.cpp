// The props the scenery list names, with their textures.
#include "level/levelProps.h"

#include <cmath>
#include <map>

#include "MeshBuilder.h"
#include "formats/Writer3DS.h"
#include "level/Lettering.h"

namespace {

using Vec = irr::core::vector3df;
using Color = Image::Color;

// A prop under construction: one part per texture, the textures saved beside the model.
class Prop {
public:
    // Parts are reserved up front: a builder holds a reference into the list.
    Prop(const OutputFolder& out, const ImageFiles& images) : _out(out), _images(images) { _mesh.parts.reserve(8); }

    MeshBuilder part(const std::string& texture, const Image& image)
    {
        if (_index.find(texture) == _index.end()) {
            _images.save(image, _out.path(texture), 90);
            _mesh.materials.push_back({texture, texture, 255, 255, 255, false});
            _mesh.parts.push_back({texture, texture, {}, {}});
            _index[texture] = _mesh.parts.size() - 1;
        }
        return MeshBuilder(_mesh.parts[_index[texture]]);
    }
    void save(const std::string& file) { write3DS(_mesh, _out.path(file)); }

private:
    const OutputFolder& _out;
    const ImageFiles& _images;
    Mesh _mesh;
    std::map<std::string, std::size_t> _index;
};

Image flat(Color c, float grainAmount = 0.0f)
{
    Image img(32, 32, c);
    if (grainAmount > 0)
        img.paint([&](int x, int y) {
            const float f = 1.0f - grainAmount * static_cast<float>((x * 7 + y * 13) % 5) / 5.0f;
            return Color(255, static_cast<irr::u32>(c.getRed() * f), static_cast<irr::u32>(c.getGreen() * f),
                         static_cast<irr::u32>(c.getBlue() * f));
        });
    return img;
}

Image screen(const Lettering& font)
{
    Image img(256, 192, Color(255, 10, 30, 60));
    img.fillRect(0, 0, 256, 26, Color(255, 30, 120, 170));
    font.draw(img, 10, 4, "SATLINK  terminal 7", Color(255, 240, 250, 255));
    const char* lines[] = {"> enlace satelite ...  FALHA", "> rede ............  OFF", "> antena ..........  ?",
                           "> certificado .....  ?", "", "  toque para acionar_"};
    int y = 40;
    for (const char* line : lines) {
        font.draw(img, 10, y, line, Color(255, 110, 240, 140));
        y += 24;
    }
    return img;
}

Image label(const std::string& text, Color paper, Color ink, const Lettering& font)
{
    Image img(128, 64, paper);
    font.draw(img, 64 - font.width(text) / 2, 32 - font.height() / 2 - 2, text, ink);
    return img;
}

void computador(const OutputFolder& out, const ImageFiles& images, const Lettering& font)
{
    Prop p(out, images);
    MeshBuilder body = p.part("computador_corpo.jpg", flat(Color(255, 190, 194, 200), 0.06f));
    body.box({-60, 0, -30}, {60, 85, 30});
    body.box({-6, 85, -6}, {6, 100, 6});
    body.box({-45, 100, 4}, {45, 160, 12});
    MeshBuilder top = p.part("computador_tampo.jpg", flat(Color(255, 50, 56, 64)));
    top.box({-64, 85, -34}, {64, 89, 34});
    top.box({-30, 89, -28}, {30, 92, -12});
    MeshBuilder tela = p.part("computador_tela.jpg", screen(font));
    tela.quad({-42, 157, 3.9f}, {42, 157, 3.9f}, {42, 103, 3.9f}, {-42, 103, 3.9f});
    p.save("computador.3DS");
}

void antena(const OutputFolder& out, const ImageFiles& images, const Lettering& font)
{
    Prop p(out, images);
    MeshBuilder concreto = p.part("antena_base.jpg", flat(Color(255, 150, 150, 146), 0.1f));
    concreto.box({-40, 0, -40}, {40, 30, 40});
    MeshBuilder mastro = p.part("antena_mastro.jpg", flat(Color(255, 200, 204, 210), 0.04f));
    mastro.cylinder({0, 30, 0}, 7, 420, 12);
    mastro.box({-20, 300, -3}, {20, 306, 3});
    irr::core::matrix4 tilt;
    tilt.setRotationDegrees({-35, 0, 0});
    tilt.setTranslation({0, 380, -20});
    MeshBuilder prato = p.part("antena_prato.jpg", flat(Color(255, 236, 238, 240), 0.03f));
    prato.setTransform(tilt);
    prato.cylinder({0, 0, 0}, 55, 6, 20);
    prato.cylinder({0, 6, 0}, 3, 40, 6);
    MeshBuilder caixa = p.part("antena_caixa.jpg", flat(Color(255, 70, 80, 90)));
    caixa.box({-22, 70, -24}, {22, 125, -7});
    MeshBuilder painel = p.part("antena_painel.jpg", label("SINTONIA", Color(255, 230, 200, 40),
                                                           Color(255, 20, 20, 20), font));
    painel.quad({-20, 122, -24.2f}, {20, 122, -24.2f}, {20, 100, -24.2f}, {-20, 100, -24.2f});
    p.save("antena.3DS");
}

void interruptor(const OutputFolder& out, const ImageFiles& images)
{
    Prop p(out, images);
    Image plate(64, 64, Color(255, 230, 190, 30));
    for (int i = 0; i < 64; ++i)
        for (int j = 0; j < 64; ++j)
            if ((i < 6 || i > 57 || j < 6 || j > 57) && ((i + j) / 6) % 2 == 0)
                plate.set(i, j, Color(255, 25, 25, 25));
    MeshBuilder placa = p.part("interruptor_placa.jpg", plate);
    placa.box({-16, -22, -3}, {16, 22, 0});
    MeshBuilder alavanca = p.part("interruptor_alavanca.jpg", flat(Color(255, 210, 30, 30)));
    alavanca.box({-4, -4, -14}, {4, 14, -3});
    p.save("interruptor.3DS");
}

void arma(const OutputFolder& out, const ImageFiles& images)
{
    Prop p(out, images);
    MeshBuilder corpo = p.part("arma_corpo.jpg", flat(Color(255, 60, 66, 76), 0.05f));
    corpo.box({-18, -4, -5}, {14, 6, 5});
    corpo.box({-16, -18, -4}, {-6, -4, 4});
    irr::core::matrix4 along;
    along.setRotationDegrees({0, 0, -90});
    along.setTranslation({14, 1, 0});
    MeshBuilder cano = p.part("arma_cano.jpg", flat(Color(255, 60, 200, 220)));
    cano.setTransform(along);
    cano.cylinder({0, 0, 0}, 3, 16, 10);
    p.save("arma.3DS");
}

void pendrive(const OutputFolder& out, const ImageFiles& images, const Lettering& font)
{
    Prop p(out, images);
    const Image casing = label("USB", Color(255, 200, 40, 40), Color(255, 255, 255, 255), font);
    MeshBuilder corpo = p.part("pendrive_corpo.jpg", casing);
    corpo.box({-10, -2.5f, -4}, {8, 2.5f, 4});
    MeshBuilder conector = p.part("pendrive_conector.jpg", flat(Color(255, 200, 200, 205), 0.05f));
    conector.box({8, -1.5f, -3}, {15, 1.5f, 3});
    p.save("pendrive.3DS");
}

void certificado(const OutputFolder& out, const ImageFiles& images, const Lettering& font)
{
    Prop p(out, images);
    Image paper(256, 192, Color(255, 246, 240, 220));
    for (int i = 6; i < 250; ++i) {
        paper.set(i, 6, Color(255, 150, 120, 40));
        paper.set(i, 185, Color(255, 150, 120, 40));
    }
    font.draw(paper, 128 - font.width("CERTIFICADO") / 2, 30, "CERTIFICADO", Color(255, 60, 40, 20));
    font.draw(paper, 128 - font.width("de seguranca") / 2, 62, "de seguranca", Color(255, 60, 40, 20));
    paper.fillCircle(200, 140, 26, Color(255, 190, 30, 40));
    paper.fillCircle(200, 140, 16, Color(255, 230, 190, 60));
    MeshBuilder folha = p.part("certificado_folha.jpg", paper);
    folha.box({-15, -11, -0.5f}, {15, 11, 0.5f});
    p.save("certificado.3DS");
}

}  // namespace

void writeLevelProps(const OutputFolder& out, const ImageFiles& images)
{
    const Lettering font(PlanFontFile, 16);
    computador(out, images, font);
    antena(out, images, font);
    interruptor(out, images);
    arma(out, images);
    pendrive(out, images, font);
    certificado(out, images, font);
}
