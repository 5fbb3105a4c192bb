// The media folder the generator writes into.
#include "OutputFolder.h"

#include <filesystem>

#include "ByteWriter.h"

OutputFolder::OutputFolder(std::string root) : _root(std::move(root))
{
    std::filesystem::create_directories(_root);
}

std::string OutputFolder::path(const std::string& relative) const
{
    std::filesystem::path full = std::filesystem::path(_root) / relative;
    std::filesystem::create_directories(full.parent_path());
    return full.string();
}

void OutputFolder::writeBytes(const std::string& relative, const std::vector<std::uint8_t>& bytes) const
{
    writeWholeFile(path(relative), bytes.data(), bytes.size());
}

void OutputFolder::writeText(const std::string& relative, const std::string& text) const
{
    writeBytes(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
}
