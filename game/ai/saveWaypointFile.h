// Writes a waypoint graph over a ".wpn" file without ever losing the file that was there.
#pragma once

#include <string>

class Graph;

// Writes `graph` to `path` in the binary format, keeping the old file as `path` + ".bak". Refuses, and
// leaves the old file as it was, when it is read-only or not a waypoint file the game can read (a
// designer may still want to repair it). Returns an empty text on success, otherwise why it failed.
std::string saveWaypointFile(const Graph& graph, const std::string& path);
