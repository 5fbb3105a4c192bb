// A real tinyproxy started for one test on 127.0.0.1, allowed to CONNECT to one port only.
#pragma once

#include <string>
#include <sys/types.h>

class TinyProxy {
public:
    explicit TinyProxy(int connectPort);
    ~TinyProxy();

    int port() const { return _port; }
    bool started() const { return _ready; }
    std::string log() const;

private:
    void waitUntilListening();

    std::string _dir;
    int _port = 0;
    pid_t _pid = -1;
    bool _ready = false;
};
