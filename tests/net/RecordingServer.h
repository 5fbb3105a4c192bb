// A local HTTP-like server for protocol tests: records each request's raw bytes and sends a set reply.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/SocketServer.h"

class RecordingServer {
public:
    using Responder = std::function<std::string(const std::string& request)>;

    explicit RecordingServer(Responder reply);
    explicit RecordingServer(const std::string& reply);
    ~RecordingServer();

    int port() const { return _server.port(); }
    std::vector<std::string> requests();

private:
    void serve();
    void answer(Socket& peer);

    Responder _reply;
    SocketServer _server;
    std::atomic<bool> _stop{false};
    std::mutex _mutex;
    std::vector<std::string> _requests;
    std::thread _thread;
};
