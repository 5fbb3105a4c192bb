// Fuzzes the quiz client's reading of question and verdict replies, served over a real local socket.
#include <arpa/inet.h>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "net/Question.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "shell/Config.h"
#include "shell/fatal.h"

namespace {

// A reply the fuzzer cuts short is waited for no longer than this.
const std::chrono::milliseconds replyWait{2000};
int listener = -1;

void listenOnLoopback()
{
    listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener, 4) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        std::abort();
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", ntohs(address.sin_port));
}

// Takes one connection, reads its request up to the blank line, sends the reply and closes.
void serveOnce(const std::string& reply)
{
    const int peer = accept(listener, nullptr, nullptr);
    if (peer < 0)
        return;
    std::string request;
    char buffer[512];
    while (request.find("\n\n") == std::string::npos) {
        const ssize_t got = recv(peer, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        request.append(buffer, static_cast<size_t>(got));
    }
    send(peer, reply.data(), reply.size(), MSG_NOSIGNAL);
    close(peer);
}

template <typename Call>
void withReply(const std::string& reply, Call call)
{
    std::thread server(serveOnce, reply);
    try {
        call();
    } catch (const GameError&) {
    }
    server.join();
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::signal(SIGPIPE, SIG_IGN);
    GLog.setpath("/dev/null");
    // The client's failure messages go to the console; the fuzzer's own go to stderr.
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    listenOnLoopback();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reply(reinterpret_cast<const char*>(data), size);
    withReply(reply, [] {
        if (askQuestion(-1, replyWait).id.size() != 4)
            __builtin_trap();
    });
    withReply(reply, [] {
        if (sayAnswer(Question{'1', "0001", "", {}}, "resposta", replyWait).empty())
            __builtin_trap();
    });
    return 0;
}
