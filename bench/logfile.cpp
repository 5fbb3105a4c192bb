// Cost of one log line: the log opens, appends and closes its file on every write.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/LogFile.h"
#include "platform/nativepath.h"

int main()
{
    std::string folder = (std::filesystem::temp_directory_path() / "satlink-bench-log").string();
    std::filesystem::create_directories(folder);
    tp_LogFile log;
    log.setpath((folder + "/log.txt").c_str());
    log.clear();

    const int lines = 20000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < lines; ++i)
        log.writelf("Ninja::exec");
    double writeUs =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / lines;

    const int lookups = 20000;
    std::string mixed = folder + "\\LOG.TXT";
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < lookups; ++i)
        nativePath(mixed);
    double resolveUs =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / lookups;

    std::filesystem::remove_all(folder);
    std::printf("log writelf: %.2f us per line\n", writeUs);
    std::printf("nativePath, one mixed-case component: %.2f us per path\n", resolveUs);
    return 0;
}
