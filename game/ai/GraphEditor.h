// The in-game waypoint editor: the monsters' graph shown through the walls, edited, saved to its file.
#pragma once

#include <irrlicht.h>
#include <memory>
#include <string>
#include <vector>

#include "world/Node.h"

class LaserBeam;

class GraphEditor {
public:
    GraphEditor(irr::IrrlichtDevice* device, irr::scene::ISceneNode* camera);
    ~GraphEditor();
    GraphEditor(const GraphEditor&) = delete;
    GraphEditor& operator=(const GraphEditor&) = delete;

    // Loads the file into GGraph and shows it; false when it holds no waypoint. A corrupt file is
    // reported on screen and in the log and leaves the editor empty.
    bool load(const char* path);

    void askSelectWayPoint();
    void askDeleteEdge();
    void askNewPoint();
    void askNewEdge();
    void askDeleteNode();
    // The text dump beside the loaded file, as <file>.txt.
    void askSaveTxt();
    // The edited graph over the loaded file, in the binary format, the old file kept as <file>.bak.
    bool askSave();

    void deleteEdge(Node* p1, Node* p2);
    void printPoint(irr::core::vector3df pos);
    void desenhaEdge(Node* p1, Node* p2, irr::u32 distancia);
    void newPoint(irr::core::vector3df pos);
    void newEdge(Node* p1, Node* p2);
    void deleteNode(Node* p);
    void limparNodesSel();
    bool saveTxt(const char* path) const;

    // The editor's keys and the outcome of the last operation, over the game's picture.
    void drawKeys();

    const std::vector<Node*>& getPontos() const { return ponto; }
    Node* selected(int slot) const { return _selNodes[slot]; }
    const LaserBeam& beam(int which) const { return *_line[which]; }
    const std::wstring& status() const { return _status; }

private:
    void publish();
    void report(const std::string& text, bool failure);
    Node* nearestToCamera() const;
    irr::scene::IBillboardSceneNode* addBillboard(irr::video::ITexture* texture, bool seeThrough);

    std::vector<Node*> ponto;
    std::string _path;
    irr::scene::ISceneNode* _camera;
    irr::scene::ISceneManager* _smgr;
    irr::video::ITexture* _img;
    irr::scene::IBillboardSceneNode* _tempBill[2];
    Node* _selNodes[2] = {nullptr, nullptr};
    irr::gui::IGUIEnvironment* _env;
    std::unique_ptr<LaserBeam> _line[2];
    std::vector<irr::scene::IBillboardSceneNode*> _bills;
    irr::u8 _wBill = 1;
    // Waypoints added here; those read from a file belong to the graph that read them.
    std::vector<std::unique_ptr<Node>> _made;
    std::wstring _status;
    bool _statusIsFailure = false;
};

// The waypoint editor; null unless asked for at start-up.
extern GraphEditor* GGraphEditor;
