// The waypoint editor: billboards for waypoints, beams for edges, selection from the player's position.
#include "ai/GraphEditor.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "ai/saveWaypointFile.h"
#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "shell/fatal.h"
#include "shell/mediaFile.h"
#include "world/Graph.h"
#include "world/LaserBeam.h"

GraphEditor* GGraphEditor = nullptr;

namespace {

const bool resetRegistered = registerReset([] { GGraphEditor = nullptr; });

// A file of the media folder, by its name there.
std::string editorMedia(const std::string& name)
{
    return mediaFile(("\\media\\" + name).c_str()).c_str();
}

bool hasEdgeTo(const Node* from, const Node* to)
{
    return std::any_of(from->edge.begin(), from->edge.end(), [to](const Edge& e) { return e.proximo == to; });
}

bool removeFirstEdgeTo(Node* from, const Node* to)
{
    for (auto e = from->edge.begin(); e != from->edge.end(); ++e)
        if (e->proximo == to) {
            from->edge.erase(e);
            return true;
        }
    return false;
}

const wchar_t* const KeyLines[] = {
    L"EDITOR DE WAYPOINTS",
    L"G  seleciona o waypoint mais perto (verde, depois amarelo)",
    L"D  apaga a ligacao entre os dois selecionados",
    L"N  novo waypoint onde voce esta",
    L"C  liga os dois selecionados nos dois sentidos",
    L"X  apaga o waypoint verde e suas ligacoes",
    L"T  grava o texto do grafo em <arquivo>.txt",
    L"S  grava o arquivo .wpn (o antigo fica em .bak)",
};

}  // namespace

GraphEditor::GraphEditor(irr::IrrlichtDevice* device, irr::scene::ISceneNode* camera)
    : _camera(camera), _smgr(device->getSceneManager()), _env(device->getGUIEnvironment())
{
    GLog.writelf("GraphEditor::GraphEditor");
    _img = _smgr->getVideoDriver()->getTexture(editorMedia("WayPoint.bmp").c_str());
    const char* markers[2] = {"selected1.bmp", "selected2.bmp"};
    for (int i = 0; i < 2; ++i) {
        _tempBill[i] = addBillboard(_smgr->getVideoDriver()->getTexture(editorMedia(markers[i]).c_str()), true);
        _tempBill[i]->setVisible(false);
    }
    // The graph is drawn over the walls: a designer sees every route of the level from anywhere.
    _line[0] = std::make_unique<LaserBeam>(_smgr, editorMedia("line1.bmp").c_str(), true);
    _line[1] = std::make_unique<LaserBeam>(_smgr, editorMedia("line2.bmp").c_str(), true);
}

GraphEditor::~GraphEditor() = default;

irr::scene::IBillboardSceneNode* GraphEditor::addBillboard(irr::video::ITexture* texture, bool seeThrough)
{
    const irr::video::SColor white(255, 255, 255, 255);
    irr::scene::IBillboardSceneNode* bill = _smgr->addBillboardSceneNode(
        nullptr, irr::core::dimension2df(10, 10), irr::core::vector3df(0, 0, 0), -1, white, white);
    bill->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    bill->setMaterialTexture(0, texture);
    bill->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    bill->setMaterialFlag(irr::video::EMF_ZBUFFER, !seeThrough);
    bill->setSize(irr::core::dimension2df(20, 20));
    return bill;
}

bool GraphEditor::load(const char* path)
{
    GLog.writelf("GraphEditor::load");
    _path = path;
    try {
        ponto = GGraph->load(path);
    } catch (const GameError& error) {
        ponto.clear();
        report(std::string(error.what()) + " " + _path, true);
        return false;
    }
    if (ponto.empty()) {
        report("nenhum waypoint em " + _path + ": N acrescenta o primeiro", false);
        return false;
    }
    for (Node* p : ponto) {
        printPoint(p->pos);
        for (const Edge& e : p->edge)
            desenhaEdge(p, e.proximo, e.distancia);
    }
    report(std::to_string(ponto.size()) + " waypoints de " + _path, false);
    return true;
}

void GraphEditor::printPoint(irr::core::vector3df pos)
{
    irr::scene::IBillboardSceneNode* bill = addBillboard(_img, true);
    bill->setPosition(pos);
    _bills.push_back(bill);
}

void GraphEditor::desenhaEdge(Node* p1, Node* p2, irr::u32 distancia)
{
    int use = 1;
    if (hasEdgeTo(p2, p1)) {
        if (!_line[1]->deleteLine(p2->pos, p1->pos))
            _line[0]->deleteLine(p2->pos, p1->pos);
        use = 0;
    }
    _line[use]->newLine(p1->pos, p2->pos, static_cast<float>(distancia));
}

Node* GraphEditor::nearestToCamera() const
{
    const irr::core::vector3df from = _camera->getAbsolutePosition();
    Node* best = nullptr;
    irr::f32 bestDistance = 0;
    for (Node* p : ponto) {
        const irr::f32 d = from.getDistanceFrom(p->pos);
        if (!best || d < bestDistance) {
            best = p;
            bestDistance = d;
        }
    }
    return best;
}

void GraphEditor::askSelectWayPoint()
{
    Node* nearest = nearestToCamera();
    if (!nearest || nearest == _selNodes[0] || nearest == _selNodes[1])
        return;
    GLog.writelf("GraphEditor::askSelectWayPoint");
    _wBill = _wBill == 1 ? 0 : 1;
    _selNodes[_wBill] = nearest;
    _tempBill[_wBill]->setPosition(nearest->pos);
    _tempBill[_wBill]->setVisible(true);
}

void GraphEditor::limparNodesSel()
{
    _wBill = 1;
    for (int i = 0; i < 2; ++i) {
        _tempBill[i]->setVisible(false);
        _selNodes[i] = nullptr;
    }
}

void GraphEditor::askDeleteEdge()
{
    if (_selNodes[0] && _selNodes[1])
        deleteEdge(_selNodes[0], _selNodes[1]);
}

void GraphEditor::deleteEdge(Node* p1, Node* p2)
{
    const int found = (removeFirstEdgeTo(p1, p2) ? 1 : 0) + (removeFirstEdgeTo(p2, p1) ? 1 : 0);
    if (found == 0)
        return;
    GLog.writelf("GraphEditor::deleteEdge");
    _line[found == 2 ? 0 : 1]->deleteLine(p1->pos, p2->pos);
}

void GraphEditor::askNewPoint()
{
    newPoint(_camera->getAbsolutePosition());
}

void GraphEditor::newPoint(irr::core::vector3df pos)
{
    GLog.writelf("GraphEditor::newPoint");
    _made.push_back(std::make_unique<Node>());
    Node* p = _made.back().get();
    p->pos = pos;
    ponto.push_back(p);
    printPoint(pos);
    publish();
}

void GraphEditor::askNewEdge()
{
    Node* s0 = _selNodes[0];
    Node* s1 = _selNodes[1];
    if (!s0 || !s1 || hasEdgeTo(s1, s0))
        return;
    newEdge(s1, s0);
    if (!hasEdgeTo(s0, s1))
        newEdge(s0, s1);
}

void GraphEditor::newEdge(Node* p1, Node* p2)
{
    GLog.writelf("GraphEditor::newEdge");
    const irr::u32 cost = static_cast<irr::u32>(p1->pos.getDistanceFrom(p2->pos));
    p1->addEdge({p2, cost});
    desenhaEdge(p1, p2, cost);
}

void GraphEditor::askDeleteNode()
{
    if (_selNodes[0])
        deleteNode(_selNodes[0]);
    limparNodesSel();
}

// One-way edges into the waypoint go too: kept, they would draw a beam to nothing and be dropped
// silently from the saved file.
void GraphEditor::deleteNode(Node* p)
{
    GLog.writelf("GraphEditor::deleteNode");
    while (!p->edge.empty())
        deleteEdge(p, p->edge.front().proximo);
    for (Node* other : ponto)
        if (other != p && hasEdgeTo(other, p))
            deleteEdge(other, p);
    const auto at = std::find(ponto.begin(), ponto.end(), p);
    if (at == ponto.end())
        return;
    for (irr::scene::IBillboardSceneNode* bill : _bills)
        if (bill->getPosition() == p->pos)
            bill->setVisible(false);
    ponto.erase(at);
    publish();
}

// The monsters' routes follow the edited list from now on.
void GraphEditor::publish()
{
    GGraph->setNodes(ponto);
}

bool GraphEditor::saveTxt(const char* path) const
{
    std::FILE* file = std::fopen(path, "wt");
    if (!file)
        return false;
    std::fprintf(file, "%d\n", static_cast<int>(ponto.size()));
    for (const Node* p : ponto) {
        std::fprintf(file, "%d,", static_cast<int>(p->edge.size()));
        std::fprintf(file, "%p,", static_cast<const void*>(p));
        std::fprintf(file, "<%f,%f,%f>\n", p->pos.X, p->pos.Y, p->pos.Z);
        for (const Edge& e : p->edge)
            std::fprintf(file, "%llu,%d\n",
                         static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(e.proximo)),
                         static_cast<int>(e.distancia));
    }
    return std::fclose(file) == 0;
}

void GraphEditor::askSaveTxt()
{
    GLog.writelf("GraphEditor::saveTxt");
    const std::string dump = _path + ".txt";
    if (saveTxt(dump.c_str()))
        report("texto gravado em " + dump, false);
    else
        report("nao consegui gravar " + dump, true);
}

bool GraphEditor::askSave()
{
    GLog.writelf("GraphEditor::save");
    if (_path.empty()) {
        report("nenhum arquivo de waypoints carregado: nada gravado", true);
        return false;
    }
    publish();
    const std::string why = saveWaypointFile(*GGraph, _path);
    if (!why.empty()) {
        report("waypoints NAO gravados: " + why + "; o arquivo antigo ficou como estava", true);
        return false;
    }
    report(std::to_string(ponto.size()) + " waypoints gravados em " + _path + " (o antigo em .bak)", false);
    return true;
}

void GraphEditor::report(const std::string& text, bool failure)
{
    GLog.writelf(text.c_str());
    _status = std::wstring(text.begin(), text.end());
    _statusIsFailure = failure;
}

void GraphEditor::drawKeys()
{
    irr::gui::IGUIFont* font = _env->getBuiltInFont();
    irr::video::IVideoDriver* driver = _smgr->getVideoDriver();
    const int lineHeight = 14;
    const int lines = sizeof KeyLines / sizeof KeyLines[0];
    const int width = std::max(420, static_cast<int>(font->getDimension(_status.c_str()).Width) + 16);
    driver->draw2DRectangle(irr::video::SColor(150, 0, 0, 0),
                            irr::core::recti(4, 4, width, 12 + lineHeight * (lines + 1)));
    int y = 8;
    for (const wchar_t* line : KeyLines) {
        font->draw(line, irr::core::recti(10, y, 420, y + lineHeight),
                   irr::video::SColor(255, 255, 255, 255));
        y += lineHeight;
    }
    const irr::video::SColor statusColour =
        _statusIsFailure ? irr::video::SColor(255, 255, 60, 60) : irr::video::SColor(255, 120, 255, 120);
    font->draw(_status.c_str(), irr::core::recti(10, y, width, y + lineHeight), statusColour);
}
