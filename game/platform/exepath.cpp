// The folder of the running executable.
#include "platform/exepath.h"

#include <cstring>
#include <unistd.h>

irr::core::stringc executableFolder()
{
    char path[512];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (!slash)
        return ".";
    *slash = '\0';
    return path[0] ? path : "/";
}
