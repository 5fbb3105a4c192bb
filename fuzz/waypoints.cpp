// Fuzzes the ".wpn" waypoint loader and the graph it builds.
#include <cstdint>

#include "InputFile.h"
#include "shell/fatal.h"
#include "world/Graph.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Graph graph;
    try {
        for (Node* node : graph.load(inputFile(data, size).c_str()))
            for (const Edge& edge : node->edge)
                if (!edge.proximo)
                    __builtin_trap();
        graph.saveBinary("/dev/null");
    } catch (const GameError&) {
    }
    return 0;
}
