// Route finding over the waypoint graph: the cheapest chain of waypoints, and the points a monster walks.
#pragma once

#include <irrlicht.h>
#include <vector>

#include "world/Node.h"

class Graph;

// The cheapest path from `pi` to `pf` over active edges, listed from `pf` back to `pi`. Throws a
// std::runtime_error carrying "Lugar impossivel de se chegar" when `pf` cannot be reached. Writes the
// search scratch of the nodes, so only one search may run at a time.
std::vector<Node*> dijkstra(std::vector<Node*> grafo, Node* pi, Node* pf);

// The ground points (x, z) from `start` to `target`: through the graph's waypoints nearest each end
// that can be seen past `noTouch`, or a straight line of six points when the graph offers no route.
std::vector<irr::core::vector2df> calcRoute(irr::core::vector3df start, irr::core::vector3df target,
                                            Graph* graph, irr::scene::ITriangleSelector* noTouch);
