// A waypoint of the monsters' graph with its directed, costed edges and the scratch of one route search.
#pragma once

#include <irrlicht.h>
#include <vector>

struct Node;

struct Edge {
    Node* proximo;
    irr::u32 distancia;
};

struct Node {
    Node();

    void addEdge(const Edge& c);
    void setDistanciaAte(Node* ponto, irr::u32 distancia);

    irr::core::vector3df pos;
    std::vector<Edge> edge;          // active: the only ones a search follows
    std::vector<Edge> edgeDesativo;  // switched off
    // The node's identity: itself, and for a copy the node it was copied from, so that a copy made
    // during a search always leads back to the graph's node.
    Node* name;
    Node* anterior = nullptr;
    bool visitado = false;
    irr::u32 distanciaAte = 0;
};
