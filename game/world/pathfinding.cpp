// Dijkstra's search as the monsters run it, and the route planner built on it.
#include "world/pathfinding.h"

#include <stdexcept>

#include "shell/fatal.h"
#include "world/Graph.h"
#include "world/lineOfSight.h"

namespace {

// Where the cheapest frontier edge is: the copy in the working list and the edge within it.
struct Choice {
    std::size_t copy;
    std::size_t edge;
};

// The first strictly cheapest edge into an unvisited node, scanning copies then edges in order.
// Costs add as unsigned 32-bit values, wrapping as they do in the file's type.
Choice cheapestEdge(const std::vector<Node>& working)
{
    irr::u32 best = 4294967295u;
    Choice choice{working.size(), 0};
    for (std::size_t c = 0; c < working.size(); ++c)
        for (std::size_t e = 0; e < working[c].edge.size(); ++e) {
            const Edge& edge = working[c].edge[e];
            const irr::u32 cost = edge.distancia + working[c].name->distanciaAte;
            if (!edge.proximo->visitado && cost < best) {
                best = cost;
                choice = {c, e};
            }
        }
    if (choice.copy == working.size())
        throw GameError("Lugar impossivel de se chegar");
    return choice;
}

// Takes the chosen edge, settles its target and returns it; the copies alone lose the edge.
Node* settle(std::vector<Node>& working, const Choice& choice)
{
    Node& copy = working[choice.copy];
    const Edge edge = copy.edge[choice.edge];
    Node* temp = edge.proximo;
    temp->visitado = true;
    temp->anterior = copy.name;
    temp->distanciaAte = copy.name->distanciaAte + edge.distancia;
    copy.edge.erase(copy.edge.begin() + static_cast<std::ptrdiff_t>(choice.edge));
    if (copy.edge.empty())
        working.erase(working.begin() + static_cast<std::ptrdiff_t>(choice.copy));
    working.push_back(*temp);
    return temp;
}

std::vector<Node*> backFrom(Node* pf, Node* pi)
{
    std::vector<Node*> path{pf};
    while (path.back() != pi)
        path.push_back(path.back()->anterior);
    return path;
}

irr::core::vector2df _(const irr::core::vector3df& v)
{
    return irr::core::vector2df(v.X, v.Z);
}

// Six evenly spaced points from `start` to 20 units short of `target`.
std::vector<irr::core::vector2df> straightRoute(const irr::core::vector3df& start,
                                                irr::core::vector3df target)
{
    target -= (target - start).normalize() * 20;
    const irr::core::vector3df step = (target - start) * 0.2f;
    std::vector<irr::core::vector2df> points;
    for (int k = 0; k < 5; ++k)
        points.push_back(_(start + step * static_cast<irr::f32>(k)));
    points.push_back(_(target));
    return points;
}

}  // namespace

std::vector<Node*> dijkstra(std::vector<Node*> grafo, Node* pi, Node* pf)
{
    if (pi == pf)
        return {pi};
    pi->distanciaAte = 0;
    for (Node* n : grafo)
        n->visitado = false;
    std::vector<Node> working{*pi};
    pi->visitado = true;
    Node* temp = nullptr;
    do
        temp = settle(working, cheapestEdge(working));
    while (temp != pf);
    return backFrom(pf, pi);
}

// The search runs from the target's waypoint to the start's, so its result is already in walking order.
std::vector<irr::core::vector2df> calcRoute(irr::core::vector3df start, irr::core::vector3df target,
                                            Graph* graph, irr::scene::ITriangleSelector* noTouch)
{
    Node pFinal;
    Node* pEnd = graph->getNearestNode(target, noTouch);
    Node* pStart = graph->getNearestNode(start, noTouch);
    std::vector<irr::core::vector2df> points;
    if (pEnd && pStart) {
        std::vector<Node*> route = dijkstra(graph->getNodes(), pEnd, pStart);
        points.reserve(route.size() + 2);
        points.push_back(_(start));
        pFinal.pos = target;
        route.push_back(&pFinal);
        if (lineOfSight(start, route[1]->pos, noTouch))
            route.erase(route.begin());
        for (const Node* n : route)
            points.push_back(_(n->pos));
    }
    if (points.size() <= 3)
        points = straightRoute(start, target);
    return points;
}
