// Fuzzes the scenery list reader and the values its entries give.
#include <cstdint>
#include <string>

#include "InputFile.h"
#include "world/sceneryListReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string problem;
    for (const scenerylist::Entry& entry : scenerylist::read(inputFile(data, size), &problem)) {
        entry.name();
        entry.shape();
        entry.collisionRange();
        entry.boxSize();
        // The placement reads nine numbers, whatever line 5 held.
        if (entry.numbers.size() != 9)
            __builtin_trap();
        entry.position() + entry.rotation() + entry.scale();
        scenerylist::mediaFile("/media", entry.mesh);
    }
    return 0;
}
