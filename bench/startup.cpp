// Start-up: from the process's start until the game has drawn its log-on window, beside the bare
// engine loading the same level, sky, furniture and dialog font and drawing its first frame; and the
// game's peak resident memory by then. Needs a display (run it under xvfb-run).
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "support/BareScene.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const fs::path Build = SATLINK_BUILD_DIR;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

pid_t spawn(const std::vector<std::string>& command, const fs::path& folder)
{
    const pid_t pid = fork();
    if (pid == 0) {
        fs::current_path(folder);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> argv;
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

bool fileHolds(const fs::path& file, const std::string& line)
{
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.find("\n" + line + "\n") != std::string::npos;
}

// Peak resident memory of a running process, in megabytes.
double peakMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(1000, '\n');
    }
    return -1;
}

struct Run {
    double seconds = -1, megabytes = -1;
};

// Starts the program and waits until `done` says it has drawn its first window; then ends it.
template <typename Done>
Run timeStart(const std::vector<std::string>& command, const fs::path& folder, Done done)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawn(command, folder);
    Run run;
    while (since(start) < 30) {
        if (done()) {
            run.seconds = since(start);
            run.megabytes = peakMegabytes(pid);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return run;
}

// The game plays from a folder of its own, where it reads config.xml and writes log.txt.
fs::path gameFolder()
{
    const fs::path folder = fs::temp_directory_path() / ("satlink-bench-startup-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::copy_file(Build / "satlink", folder / "satlink", fs::copy_options::overwrite_existing);
    fs::create_directory_symlink(Build / "media", folder / "media");
    std::ofstream(folder / "config.xml") << "<config><screenresolution x=\"800\" y=\"600\"/></config>\n";
    return folder;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int bareStart()
{
    irr::IrrlichtDevice* device = openBareWindow();
    if (!device)
        return 1;
    buildBareScene(device, (Build / "media").string());
    device->run();
    drawBareFrame(device);
    std::ofstream(fs::path(std::getenv("BENCH_DRAWN_FILE"))) << "\ndrawn\n";
    pause();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::puts("startup: no display (run it under xvfb-run -a)");
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "bare")
        return bareStart();
    const fs::path folder = gameFolder();
    const fs::path drawn = folder / "bare-drawn.txt";
    setenv("BENCH_DRAWN_FILE", drawn.c_str(), 1);
    const int rounds = 7;
    std::vector<double> bare, game, bareMemory, memory;
    for (int round = 0; round < rounds; ++round) {
        fs::remove(drawn);
        const Run bareRun = timeStart({fs::read_symlink("/proc/self/exe").string(), "bare"}, folder,
                                      [&] { return fileHolds(drawn, "drawn"); });
        bare.push_back(bareRun.seconds);
        bareMemory.push_back(bareRun.megabytes);
        fs::remove(folder / "log.txt");
        const Run run = timeStart({(folder / "satlink").string()}, folder,
                                  [&] { return fileHolds(folder / "log.txt", "logon dialog drawn"); });
        game.push_back(run.seconds);
        memory.push_back(run.megabytes);
    }
    fs::remove_all(folder);
    std::printf("start-up to the first window drawn, 800x600 (median of %d):\n", rounds);
    std::printf("  bare engine, same level, sky, furniture and font  %.2f s\n", median(bare));
    std::printf("  game, to its log-on window                       %.2f s  %.2fx bare\n", median(game),
                median(game) / median(bare));
    std::printf("peak resident memory by then: bare engine %.0f MB, game %.0f MB\n", median(bareMemory),
                median(memory));
    return 0;
}
