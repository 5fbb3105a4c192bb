// Keeps what a thread other than the frame's writes to the log, for the frame to write out later: the log
// file is opened, appended and closed by every write, which two threads must not do at once.
#pragma once

#include <string>

class LogHold {
public:
    // Holds the calling thread's log writes until destroyed; holds nest, the newest one keeps them.
    LogHold();
    ~LogHold();
    LogHold(const LogHold&) = delete;
    LogHold& operator=(const LogHold&) = delete;

    // What was written since the last take.
    std::string take();

    // The hold of the calling thread; null when its writes go to the file.
    static LogHold* current();
    void keep(const char* text) { _text += text; }

private:
    std::string _text;
    LogHold* _outer;
};
