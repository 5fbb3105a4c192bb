// The user's own folders for settings and for state such as logs, as the XDG base directories name them.
#include "platform/userfolders.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string xdgFolder(const char* value, const std::string& home, const char* underHome)
{
    if (value && value[0] == '/')
        return value;
    return home + underHome;
}

std::string homeOfThisUser()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir)
        return user->pw_dir;
    return "";
}

}

UserFolders userFolders(const char* home, const char* configHome, const char* stateHome)
{
    const std::string base = home ? home : "";
    return {xdgFolder(configHome, base, "/.config"), xdgFolder(stateHome, base, "/.local/state")};
}

UserFolders userFoldersOfThisUser()
{
    return userFolders(homeOfThisUser().c_str(), std::getenv("XDG_CONFIG_HOME"),
                       std::getenv("XDG_STATE_HOME"));
}

bool makePrivateFolders(const std::string& folder)
{
    size_t end = 0;
    do {
        end = folder.find('/', end + 1);
        const std::string step = folder.substr(0, end);
        struct stat info;
        if (mkdir(step.c_str(), 0700) != 0 && !(stat(step.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
            return false;
    } while (end != std::string::npos);
    return true;
}
