#include "platform/LogHold.h"

#include <utility>

namespace {

thread_local LogHold* threadHold = nullptr;

}

LogHold::LogHold() : _outer(threadHold)
{
    threadHold = this;
}

LogHold::~LogHold()
{
    threadHold = _outer;
}

std::string LogHold::take()
{
    return std::exchange(_text, std::string());
}

LogHold* LogHold::current()
{
    return threadHold;
}
