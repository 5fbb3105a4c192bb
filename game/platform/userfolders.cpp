// The user's own folders for settings and for state such as logs, as the XDG base directories name them.
#include "platform/userfolders.h"

#include <cstdlib>
#include <pwd.h>
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
