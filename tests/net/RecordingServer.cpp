// Serves one connection at a time until destroyed; a request ends at its first blank line.
#include "net/RecordingServer.h"

#include <chrono>
#include <memory>

RecordingServer::RecordingServer(Responder reply)
    : _reply(std::move(reply)), _server(0, 16, NonBlockingSocket), _thread([this] { serve(); })
{
}

RecordingServer::RecordingServer(const std::string& reply)
    : RecordingServer(Responder([reply](const std::string&) { return reply; }))
{
}

RecordingServer::~RecordingServer()
{
    _stop = true;
    _thread.join();
}

std::vector<std::string> RecordingServer::requests()
{
    std::lock_guard<std::mutex> lock(_mutex);
    return _requests;
}

void RecordingServer::serve()
{
    while (!_stop) {
        std::unique_ptr<Socket> peer(_server.Accept());
        if (peer)
            answer(*peer);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void RecordingServer::answer(Socket& peer)
{
    std::string request;
    for (std::string line = peer.ReceiveLine(); !line.empty(); line = peer.ReceiveLine()) {
        request += line;
        if (line == "\n" || line == "\r\n")
            break;
    }
    {
        std::lock_guard<std::mutex> lock(_mutex);
        _requests.push_back(request);
    }
    peer.SendBytes(_reply(request));
}
