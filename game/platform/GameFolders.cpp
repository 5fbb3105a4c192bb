// Where the game finds media/ and config.xml and writes log.txt: beside the executable in a portable
// copy (a build folder, an unpacked copy), in the user's own folders when the game is installed.
#include "platform/GameFolders.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/exepath.h"
#include "platform/nativepath.h"

namespace {

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool hasMedia(const std::string& folder)
{
    return isFolder(nativePath(folder + "/media"));
}

// The path without "." and ".." steps, for a log line a person reads; unchanged when it cannot be resolved.
std::string resolved(const std::string& path)
{
    char buffer[PATH_MAX];
    return realpath(path.c_str(), buffer) ? buffer : path;
}

std::string folderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}

GameFolders::GameFolders(const std::string& exeFolder, bool exeFolderWritable, const std::string& dataFromExe,
                         const UserFolders& user)
{
    const std::string installData = exeFolder + "/" + dataFromExe;
    const bool mediaBeside = hasMedia(exeFolder);
    const bool mediaInstalled = !mediaBeside && hasMedia(installData);
    _installed = !exeFolderWritable || mediaInstalled;
    _dataFolder = mediaInstalled ? resolved(installData) : exeFolder;
    _installTokenFile = user.state + "/satlink/install";
    if (!_installed) {
        _configFile = nativePath(exeFolder + "/config.xml");
        _logFile = nativePath(exeFolder + "/log.txt");
        return;
    }
    _userConfigFile = user.config + "/satlink/config.xml";
    _configFile = isFile(_userConfigFile) ? _userConfigFile : nativePath(_dataFolder + "/config.xml");
    _logFile = user.state + "/satlink/log.txt";
}

GameFolders GameFolders::ofThisGame()
{
    const std::string exeFolder = executableFolder().c_str();
    return GameFolders(exeFolder, access(exeFolder.c_str(), W_OK) == 0, SATLINK_DATA_FROM_EXE,
                       userFoldersOfThisUser());
}

bool GameFolders::makeLogFolder() const
{
    return makePrivateFolders(folderOf(_logFile));
}

std::string GameFolders::description() const
{
    std::string line = "log: " + _logFile + "; config: " + _configFile;
    if (!isFile(_configFile))
        line += " (missing: default settings)";
    if (_installed && _configFile != _userConfigFile)
        line += " (own settings go in " + _userConfigFile + ")";
    return line;
}
