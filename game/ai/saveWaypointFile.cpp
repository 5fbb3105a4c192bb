// Saving over a waypoint file: checks, a backup, and a new file that replaces the old in one step.
#include "ai/saveWaypointFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "shell/fatal.h"
#include "world/Graph.h"

namespace {

// Why the file now at `path` must not be replaced; empty when it may (or when there is none).
std::string refusal(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return "";
    if (!std::filesystem::is_regular_file(path, error))
        return path + " nao e um arquivo";
    // The permission bits count even for root, whom access() lets write anywhere.
    const auto perms = std::filesystem::status(path, error).permissions();
    if ((perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none ||
        access(path.c_str(), W_OK) != 0)
        return path + " e somente leitura";
    try {
        Graph old;
        old.load(path.c_str());
    } catch (const GameError&) {
        return path + " esta corrompido (Arquivo de WayPoints corrompido!!!)";
    }
    return "";
}

std::string keepBackup(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return "";
    std::filesystem::copy_file(path, path + ".bak", std::filesystem::copy_options::overwrite_existing, error);
    return error ? "sem copia de seguranca " + path + ".bak: " + error.message() : "";
}

}  // namespace

std::string saveWaypointFile(const Graph& graph, const std::string& path)
{
    std::string why = refusal(path);
    if (!why.empty())
        return why;
    // The new graph is complete on disk before anything touches the old file.
    const std::string fresh = path + ".new";
    if (!graph.saveBinary(fresh.c_str())) {
        std::remove(fresh.c_str());
        return "nao consegui escrever " + fresh;
    }
    why = keepBackup(path);
    if (why.empty() && std::rename(fresh.c_str(), path.c_str()) != 0)
        why = "nao consegui substituir " + path;
    if (!why.empty())
        std::remove(fresh.c_str());
    return why;
}
