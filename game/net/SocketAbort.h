// Lets one thread end at once the connections another thread has open: a blocked connect, read or send
// returns as soon as the switch is thrown, instead of at the socket's time-out.
#pragma once

#include <mutex>
#include <vector>

class SocketAbort {
public:
    // Puts every socket the calling thread opens, while it lives, under the switch.
    class Scope {
    public:
        explicit Scope(SocketAbort& abort);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        SocketAbort* _outer;
    };

    // Shuts down every socket open under the switch, and every one opened under it from now on.
    void abort();

    // The socket layer reports each handle it opens and, before closing it, each handle it closes, so
    // that a handle number the system hands out again is never shut down by mistake.
    static void opened(int s);
    static void closing(int s);

private:
    void track(int s);
    void untrack(int s);

    std::mutex _mutex;
    std::vector<int> _open;
    bool _aborted = false;
};
