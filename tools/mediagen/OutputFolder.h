// Where the generator writes: a media folder, with every file's sub-folders made on demand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class OutputFolder {
public:
    explicit OutputFolder(std::string root);

    const std::string& root() const { return _root; }
    // The full path of a file given relative to the media folder ("Sound/magic.wav"); its folder exists.
    std::string path(const std::string& relative) const;
    void writeBytes(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;
    void writeText(const std::string& relative, const std::string& text) const;

private:
    std::string _root;
};
