// The monsters' waypoint graph (GGraph): its ".wpn" file, its text dump, and the nearest waypoint in sight.
#pragma once

#include <irrlicht.h>
#include <memory>
#include <vector>

#include "world/Node.h"

class Graph {
public:
    // Replaces the graph by the nodes of the file and returns a copy of the list. A file that cannot be
    // opened gives an empty graph; a corrupt one empties the graph and throws a GameError
    // carrying "Arquivo de WayPoints corrompido!!!".
    std::vector<Node*> load(const char* nome);
    // False when the file cannot be written or a node has more active edges than the file can count.
    bool saveBinary(const char* path) const;
    bool saveTxt(const char* path) const;

    // The nearest node that can be seen from `v` past the triangles of `selector`; null when none.
    Node* getNearestNode(const irr::core::vector3df& v, irr::scene::ITriangleSelector* selector) const;
    // `estado` true switches the first edge p1 -> p2 off, false switches it back on; `bidirecional`
    // does the same to p2 -> p1.
    void setEdgeState(Node* p1, Node* p2, bool estado, bool bidirecional);

    const std::vector<Node*>& getNodes() const { return _node; }
    // The waypoint editor hands its edited list over, so that routes use the edits at once.
    void setNodes(const std::vector<Node*>& nodes) { _node = nodes; }

private:
    std::vector<Node*> _node;
    // Every node this graph has read. A reload keeps the earlier ones alive, because the waypoint
    // editor may still hold them.
    std::vector<std::unique_ptr<Node>> _made;
};

// The level's waypoint graph, once the level is loaded.
extern Graph* GGraph;
