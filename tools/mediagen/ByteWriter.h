// Little-endian binary output for the file writers, with chunk lengths patched in after their contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ByteWriter {
public:
    void u8(std::uint8_t value) { _bytes.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void f32(float value);
    // The text and its terminating NUL.
    void cstring(const std::string& text);
    // The text cut or NUL-padded to exactly size bytes.
    void fixedString(const std::string& text, std::size_t size);
    void raw(const void* data, std::size_t size);

    std::size_t size() const { return _bytes.size(); }
    void patchU32(std::size_t at, std::uint32_t value);
    const std::vector<std::uint8_t>& bytes() const { return _bytes; }
    // Writes everything to a file, throwing when it cannot.
    void save(const std::string& path) const;

private:
    std::vector<std::uint8_t> _bytes;
};

// Writes size bytes to the file at path, replacing it; throws when they do not all reach the file.
void writeWholeFile(const std::string& path, const void* data, std::size_t size);
