// Where the game finds media/ and config.xml and writes log.txt: beside the executable in a portable
// copy (a build folder, an unpacked copy), in the user's own folders when the game is installed.
#pragma once

#include <string>

#include "platform/userfolders.h"

class GameFolders {
public:
    // exeFolder: the executable's folder; exeFolderWritable: whether the game may write there;
    // dataFromExe: the install's data folder, relative to the executable's folder.
    GameFolders(const std::string& exeFolder, bool exeFolderWritable, const std::string& dataFromExe,
                const UserFolders& user);
    // The folders of the running game, from its executable's place and the user's environment.
    static GameFolders ofThisGame();

    // Installed: the executable's folder cannot be written to, or the media sit in the install's
    // data folder rather than beside the executable (as under /usr/games, or a prefix in ~/.local).
    bool installed() const { return _installed; }
    // The folder holding media/ and, in an installed game, the config.xml shipped with it.
    const std::string& dataFolder() const { return _dataFolder; }
    const std::string& configFile() const { return _configFile; }
    const std::string& logFile() const { return _logFile; }
    // The user's own, whether installed or not: a portable copy on a shared machine is the user's game too.
    const std::string& installTokenFile() const { return _installTokenFile; }

    // Makes the log's folder when it is missing (only ever needed for an installed game).
    bool makeLogFolder() const;
    // One line saying where the log and the config are.
    std::string description() const;

private:
    bool _installed;
    std::string _dataFolder;
    std::string _userConfigFile;
    std::string _configFile;
    std::string _logFile;
    std::string _installTokenFile;
};
