// Carries the quiz server's requests on a thread of their own, one at a time in the order posted, so that
// no frame waits for the network. The frame posts a request and polls its future across frames.
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "net/SocketClient.h"

class QuizWorker {
public:
    // A blocking exchange with the server; what it raises is handed to the future.
    using Request = std::function<std::string()>;

    QuizWorker() = default;
    // Shuts down.
    ~QuizWorker();
    QuizWorker(const QuizWorker&) = delete;
    QuizWorker& operator=(const QuizWorker&) = delete;

    // Queues the request. The future is ready once it ran; a future let go before that drops its reply.
    std::future<std::string> post(Request request);
    // Queues a request whose reply nobody waits for.
    void send(Request request);
    // Writes to the log what the requests wrote since the last call. Only the frame's thread calls it.
    void writeLog();
    // Forgets the queued requests and ends the one under way at once, its connection shut; waits for the
    // thread no longer than `longest`, so a host look-up the system cannot end does not hold the game.
    // Queued and ended requests' futures report a failure. Posting afterwards starts a new thread.
    void stop(std::chrono::milliseconds longest = SocketClient::defaultTimeout);

private:
    struct State;
    class LogHandover;
    static void run(std::shared_ptr<State> state);

    // Shared with the thread, which may outlive the worker when it is left behind in a host look-up.
    std::shared_ptr<State> _state;
    std::thread _thread;
};

// The game's worker; the mission's requests and the event reports go through it.
extern QuizWorker GquizWorker;
