// Waypoints and their edges.
#include "world/Node.h"

Node::Node() : name(this) {}

void Node::addEdge(const Edge& c)
{
    edge.push_back(c);
}

void Node::setDistanciaAte(Node* ponto, irr::u32 distancia)
{
    addEdge({ponto, distancia});
}
