// Time a question fetch and an answer take over loopback: each is a new connection, and replies
// are read one byte per recv call, so this is the game's pause when the player meets the terminal.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "net/Server.h"
#include "shell/Config.h"
#include "support/SocketServer.h"

namespace {

// A question of about 1 KB, as long as the game takes, and four alternatives.
const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n2Q001" +
                          std::string(1000, 'q') + "\tum\tdois\ttres\tquatro\n";

void serve(SocketServer& server, std::atomic<bool>& stop)
{
    while (!stop) {
        std::unique_ptr<Socket> peer(server.Accept());
        if (!peer) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            continue;
        }
        for (std::string line = peer->ReceiveLine(); !line.empty() && line != "\n";
             line = peer->ReceiveLine()) {
        }
        peer->SendBytes(reply);
    }
}

template <typename Request>
double millisecondsEach(int times, Request request)
{
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < times; ++i)
        request();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
           times;
}

}

int main()
{
    SocketServer server(0, 16, NonBlockingSocket);
    std::atomic<bool> stop{false};
    std::thread thread(serve, std::ref(server), std::ref(stop));
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server.port());

    const int times = 300;
    Question asked;
    double question = millisecondsEach(times, [&asked] { asked = askQuestion(-1); });
    double answer = millisecondsEach(times, [&asked] { sayAnswer(asked, "1\t3"); });
    stop = true;
    thread.join();
    std::printf("askQuestion (1 KB question): %.3f ms\n", question);
    std::printf("sayAnswer: %.3f ms\n", answer);
    return 0;
}
