// Little-endian binary output for the file writers.
#include "ByteWriter.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

void ByteWriter::u16(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value)
{
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::f32(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    u32(bits);
}

void ByteWriter::cstring(const std::string& text)
{
    raw(text.data(), text.size());
    u8(0);
}

void ByteWriter::fixedString(const std::string& text, std::size_t size)
{
    std::size_t used = text.size() < size ? text.size() : size;
    raw(text.data(), used);
    _bytes.insert(_bytes.end(), size - used, 0);
}

void ByteWriter::raw(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    _bytes.insert(_bytes.end(), bytes, bytes + size);
}

void ByteWriter::patchU32(std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        _bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

void ByteWriter::save(const std::string& path) const
{
    writeWholeFile(path, _bytes.data(), _bytes.size());
}

void writeWholeFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();  // a short file is buffered: a full disk shows only when it is flushed
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
