// The game's plain-text log: the file stays open for appending, and each write is flushed to it at once,
// so that the log is whole up to its last line even when the game crashes.
#pragma once

#include <cstdio>

class tp_LogFile {
public:
    tp_LogFile();
    explicit tp_LogFile(const char* s);
    ~tp_LogFile();
    tp_LogFile(const tp_LogFile&) = delete;
    tp_LogFile& operator=(const tp_LogFile&) = delete;

    // Closes the file and forgets the path, as a log that was never set.
    void reset();

    void setpath(const char* s);
    void setsize(int size);
    void lf(int on);

    int clear();
    int clear(const char* s);
    long filesize();
    int shrink();

    void write(const char* s);
    void writelf(const char* s);
    void write(char c);
    void write(int i);
    void write(long i);
    void write(float n);
    void write(double n);
    void writelf(char c);
    void writelf(int i);
    void writelf(long i);
    void writelf(float n);
    void writelf(double n);
    void write();

    // Writes an ni x nj row-major matrix, one row per line, values separated by c.
    // Throws std::runtime_error when a row would not fit the message buffer.
    void dlmwrite(char c, const double* p, int ni, int nj);

private:
    template <typename T>
    void writeFormatted(const char* format, T value);
    template <typename T>
    void writelfValue(T value);
    void append(const char* text);
    void closeFile();

    char _path[256];
    int _size;
    int _lf;
    FILE* _file;
    char _msg[300];
};

// The game's log.
extern tp_LogFile GLog;
