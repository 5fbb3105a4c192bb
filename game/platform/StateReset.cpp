// The list of resets that the owners of the run's state register.
#include "platform/StateReset.h"

#include <vector>

namespace {

// Built on first use: owners register while the program's globals are built, in no set order.
std::vector<void (*)()>& resets()
{
    static std::vector<void (*)()> list;
    return list;
}

}

bool registerReset(void (*reset)())
{
    resets().push_back(reset);
    return true;
}

void resetRegisteredState()
{
    for (void (*reset)() : resets())
        reset();
}
