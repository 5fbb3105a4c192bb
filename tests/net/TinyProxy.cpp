// Writes a tinyproxy configuration into a temporary folder, runs it in the foreground, stops it.
#include "net/TinyProxy.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "net/SocketClient.h"
#include "shell/fatal.h"
#include "support/SocketServer.h"

namespace {

int freePort()
{
    SocketServer probe(0, 1);
    return probe.port();
}

}

TinyProxy::TinyProxy(int connectPort) : _port(freePort())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "satlink-proxy-XXXXXX").string();
    _dir = mkdtemp(pattern.data());
    std::ofstream(_dir + "/tinyproxy.conf") << "Port " << _port << "\nListen 127.0.0.1\nTimeout 30\n"
                                            << "Allow 127.0.0.1\nConnectPort " << connectPort << "\n"
                                            << "LogLevel Connect\nLogFile \"" << _dir << "/tinyproxy.log\"\n"
                                            << "MaxClients 10\n";
    // built before fork: the child of a threaded process must not allocate
    std::string config = _dir + "/tinyproxy.conf";
    _pid = fork();
    if (_pid == 0) {
        execlp("tinyproxy", "tinyproxy", "-d", "-c", config.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    waitUntilListening();
}

TinyProxy::~TinyProxy()
{
    if (_pid > 0) {
        kill(_pid, SIGTERM);
        waitpid(_pid, nullptr, 0);
    }
    std::filesystem::remove_all(_dir);
}

void TinyProxy::waitUntilListening()
{
    for (int attempt = 0; attempt < 100 && !_ready; ++attempt) {
        try {
            SocketClient probe("127.0.0.1", _port);
            _ready = true;
        } catch (const GameError&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
}

std::string TinyProxy::log() const
{
    std::ostringstream text;
    text << std::ifstream(_dir + "/tinyproxy.log").rdbuf();
    return text.str();
}
