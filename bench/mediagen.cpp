// Benchmark: how long the generator takes to write the whole media folder, and how big the folder is
// (targets: under 10 s and under 40 MB).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

int main()
{
    // One folder per run, so benchmarks run side by side do not remove each other's output.
    const fs::path folder = fs::temp_directory_path() / ("satlink-bench-media-" + std::to_string(getpid()));
    fs::remove_all(folder);
    const std::string command =
        std::string(SATLINK_BUILD_DIR) + "/tools/mediagen/mediagen " + folder.string();
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "mediagen failed\n");
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::uintmax_t bytes = 0;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            bytes += entry.file_size();
            ++files;
        }
    fs::remove_all(folder);
    std::printf("mediagen: %.2f s, %.1f MB in %d files (targets: < 10 s, < 40 MB)\n", seconds,
                static_cast<double>(bytes) / (1024.0 * 1024.0), files);
    return 0;
}
