// The fuzzer's input as a file, for the readers that take a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

// One file per process, rewritten for every input, so parallel fuzzing jobs do not share it.
inline std::string inputFile(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/satlink-fuzz-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}
