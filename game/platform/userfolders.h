// The user's own folders for settings and for state such as logs, as the XDG base directories name them.
#pragma once

#include <string>

struct UserFolders {
    std::string config;  // $XDG_CONFIG_HOME, else ~/.config
    std::string state;   // $XDG_STATE_HOME, else ~/.local/state
};

// From the values of HOME, XDG_CONFIG_HOME and XDG_STATE_HOME, each null when unset. An empty or
// relative XDG value counts as unset, as the base directory rules require.
UserFolders userFolders(const char* home, const char* configHome, const char* stateHome);

// The same from this process's environment; the password database gives the home when HOME is unset.
UserFolders userFoldersOfThisUser();

// Makes the folder and each missing step above it, private to the user (as the XDG base directory rules
// ask); false when it is not there afterwards.
bool makePrivateFolders(const std::string& folder);
