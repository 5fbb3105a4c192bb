// Native file paths from the game's backslash, mixed-case paths.
#include "platform/nativepath.h"

#include <algorithm>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

namespace {

bool exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals name but for case; the smallest such name when there are
// several, so that the choice does not depend on the order the folder lists its entries in.
std::string findIgnoringCase(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return "";
    std::string found;
    while (dirent* entry = readdir(dir)) {
        std::string candidate = entry->d_name;
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0 && (found.empty() || candidate < found))
            found = candidate;
    }
    closedir(dir);
    return found;
}

std::vector<std::string> components(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}

std::string nativePath(const std::string& path)
{
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::string result = !slashed.empty() && slashed[0] == '/' ? "/" : "";
    bool resolving = true;
    for (const std::string& part : components(slashed)) {
        std::string folder = result;
        if (!result.empty() && result.back() != '/')
            result += '/';
        if (resolving && part != "." && part != ".." && !exists(result + part)) {
            std::string match = findIgnoringCase(folder, part);
            if (!match.empty()) {
                result += match;
                continue;
            }
            resolving = false;
        }
        result += part;
    }
    return result;
}
