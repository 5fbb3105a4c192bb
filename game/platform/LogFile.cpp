// The game's plain-text log, kept open and flushed line by line.
#include "platform/LogFile.h"

#include <cstdarg>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/LogHold.h"
#include "platform/StateReset.h"

namespace {

void copyCut(char* dest, size_t size, const char* src)
{
    std::snprintf(dest, size, "%s", src);
}

// Appends formatted text at dest[used], cut to fit; returns the new length.
size_t appendCut(char* dest, size_t size, size_t used, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int wanted = std::vsnprintf(dest + used, size - used, format, args);
    va_end(args);
    size_t end = used + (wanted > 0 ? static_cast<size_t>(wanted) : 0);
    return end < size ? end : size - 1;
}

const bool logResetRegistered = registerReset([] { GLog.reset(); });

}

tp_LogFile GLog;

tp_LogFile::tp_LogFile() : _path{}, _size(5000), _lf(0), _file(nullptr), _msg{} {}

tp_LogFile::tp_LogFile(const char* s) : tp_LogFile()
{
    setpath(s);
    shrink();
}

tp_LogFile::~tp_LogFile()
{
    closeFile();
}

void tp_LogFile::reset()
{
    closeFile();
    _path[0] = '\0';
    _size = 5000;
    _lf = 0;
    _msg[0] = '\0';
}

void tp_LogFile::closeFile()
{
    if (_file)
        std::fclose(_file);
    _file = nullptr;
}

void tp_LogFile::setpath(const char* s)
{
    closeFile();
    copyCut(_path, sizeof _path, s ? s : "");
}

void tp_LogFile::setsize(int size)
{
    _size = size;
}

void tp_LogFile::lf(int on)
{
    _lf = on;
}

int tp_LogFile::clear()
{
    std::string path = _path;
    return clear(path.c_str());
}

int tp_LogFile::clear(const char* s)
{
    if (!s || !*s)
        return 0;
    closeFile();
    FILE* file = std::fopen(s, "w+");
    if (!file)
        return 0;
    setpath(s);
    std::fclose(file);
    return 1;
}

long tp_LogFile::filesize()
{
    if (!_file)
        return 0;
    long here = std::ftell(_file);
    std::fseek(_file, 0, SEEK_END);
    long size = std::ftell(_file);
    std::fseek(_file, here, SEEK_SET);
    return size;
}

int tp_LogFile::shrink()
{
    if (!*_path)
        return 0;
    closeFile();
    _file = std::fopen(_path, "r+");
    if (!_file) {
        _file = std::fopen(_path, "w");
        if (_file)
            std::fclose(_file);
        _file = nullptr;
        return 1;
    }
    long size = filesize();
    if (size <= _size) {
        std::fclose(_file);
        _file = nullptr;
        return 1;
    }
    // Skip to a line boundary so that the kept tail starts with a whole line.
    long start = size - _size - 100;
    std::fseek(_file, start > 0 ? start : 0, SEEK_SET);
    char line[150];
    for (int i = 0; i < 2; ++i)
        if (!std::fgets(line, sizeof line, _file))
            break;
    // The buffer holds everything from the seek point on, so the newest bytes are never cut.
    std::vector<char> kept(static_cast<size_t>(_size) + 100);
    size_t got = std::fread(kept.data(), 1, kept.size(), _file);
    std::fclose(_file);
    _file = std::fopen(_path, "w");
    if (_file) {
        std::fwrite(kept.data(), 1, got, _file);
        std::fclose(_file);
    }
    _file = nullptr;
    return 1;
}

void tp_LogFile::append(const char* text)
{
    if (LogHold* hold = LogHold::current()) {
        hold->keep(text);
        return;
    }
    if (!_file && *_path)
        _file = std::fopen(_path, "a");
    if (!_file)
        return;
    std::fputs(text, _file);
    std::fflush(_file);
}

void tp_LogFile::write(const char* s)
{
    append(s ? s : "");
}

void tp_LogFile::writelf(const char* s)
{
    std::string line = s ? s : "";
    line += '\n';
    append(line.c_str());
}

void tp_LogFile::write(char c)
{
    writeFormatted("%c", c);
}

void tp_LogFile::write(int i)
{
    writeFormatted("%i", i);
}

void tp_LogFile::write(long i)
{
    writeFormatted("%li", i);
}

void tp_LogFile::write(float n)
{
    writeFormatted("%f", n);
}

void tp_LogFile::write(double n)
{
    writeFormatted("%lf", n);
}

template <typename T>
void tp_LogFile::writeFormatted(const char* format, T value)
{
    std::snprintf(_msg, sizeof _msg, format, value);
    write();
}

template <typename T>
void tp_LogFile::writelfValue(T value)
{
    int old = _lf;
    _lf = 1;
    write(value);
    _lf = old;
}

void tp_LogFile::writelf(char c)
{
    writelfValue(c);
}

void tp_LogFile::writelf(int i)
{
    writelfValue(i);
}

void tp_LogFile::writelf(long i)
{
    writelfValue(i);
}

void tp_LogFile::writelf(float n)
{
    writelfValue(n);
}

void tp_LogFile::writelf(double n)
{
    writelfValue(n);
}

void tp_LogFile::write()
{
    if (_lf)
        writelf(_msg);
    else
        write(static_cast<const char*>(_msg));
    _msg[0] = '\0';
}

void tp_LogFile::dlmwrite(char c, const double* p, int ni, int nj)
{
    // Up to 20 characters per value plus one separator must fit _msg.
    if (nj * 21 > static_cast<int>(sizeof _msg))
        throw std::runtime_error("logfile::dlmwrite -> too long");
    _lf = 0;
    if (nj < 1)
        return;
    for (int i = 0; i < ni; ++i) {
        const double* row = p + static_cast<long>(i) * nj;
        // Values wider than 20 characters (negative or large) are cut; the line end always stays.
        const size_t room = sizeof _msg - 1;
        size_t used = appendCut(_msg, room, 0, "%19.18f", row[0]);
        for (int j = 1; j < nj; ++j)
            used = appendCut(_msg, room, used, "%c%19.18f", c, row[j]);
        appendCut(_msg, sizeof _msg, used, "\n");
        write();
    }
}
