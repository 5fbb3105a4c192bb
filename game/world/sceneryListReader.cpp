// Reads a scenery list back as the game's loader does.
#include "world/sceneryListReader.h"

#include "net/tokenize.h"

#include <cstdlib>
#include <cstring>

namespace scenerylist {

std::string mediaFile(const std::string& mediaRoot, const std::string& listPath)
{
    const std::string prefix = "\\media\\";
    std::string relative =
        listPath.compare(0, prefix.size(), prefix) == 0 ? listPath.substr(prefix.size()) : listPath;
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    return mediaRoot + "/" + relative;
}

std::string Entry::name() const
{
    std::vector<std::string> pieces;
    tokenize(scenery() ? nameLine.substr(1) : nameLine, pieces, scenery() ? "*" : "");
    return pieces.empty() ? std::string() : pieces[0];
}

std::string Entry::shape() const
{
    std::vector<std::string> pieces;
    if (scenery())
        tokenize(nameLine.substr(1), pieces, "*");
    return pieces.size() > 1 ? pieces[1] : std::string();
}

int Entry::collisionRange() const
{
    const std::size_t at = properties.find("collision=");
    if (at == std::string::npos)
        return 0;
    return std::atoi(properties.substr(at + 10, 10).c_str());
}

irr::core::vector3df Entry::boxSize() const
{
    std::vector<std::string> pieces;
    tokenize(properties, pieces, ",");
    float v[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3 && i < pieces.size(); ++i)
        v[i] = static_cast<float>(std::atof(pieces[i].c_str()));
    return {v[0], v[1], v[2]};
}

bool myfgets(char* buffer, std::FILE* file, int* lineNumber)
{
    do {
        if (!std::fgets(buffer, 255, file))
            return false;
        if (lineNumber)
            ++*lineNumber;
    } while (buffer[0] == '#');
    return true;
}

void put0(char* text)
{
    text[std::strcspn(text, "\r\n")] = '\0';
}

namespace {

void report(std::string* problem, const std::string& text)
{
    if (problem && problem->empty())
        *problem = text;
}

// Line 5: every number it holds, nine in a sound entry.
std::vector<float> numbersOf(const char* line)
{
    std::vector<std::string> pieces;
    tokenize(line, pieces, ",");
    std::vector<float> numbers;
    for (const std::string& piece : pieces)
        numbers.push_back(static_cast<float>(std::atof(piece.c_str())));
    return numbers;
}

std::string where(const std::string& path, int line)
{
    return path + ":" + std::to_string(line) + ": ";
}

}  // namespace

std::vector<Entry> read(const std::string& path, std::string* problem)
{
    std::vector<Entry> entries;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        report(problem, "cannot open " + path);
        return entries;
    }
    char lines[6][256];
    int lineNumber = 0;
    // A faulty entry ends the reading: the lines after it can no longer be trusted to start an entry.
    for (;;) {
        int read = 0;
        int numbersLine = 0;
        while (read < 6 && myfgets(lines[read], file, &lineNumber)) {
            put0(lines[read]);
            if (read == 4)
                numbersLine = lineNumber;
            ++read;
        }
        if (read < 6) {
            if (read > 0)
                report(problem,
                       where(path, lineNumber) + "entry cut short after " + std::to_string(read) + " lines");
            break;
        }
        std::vector<float> numbers = numbersOf(lines[4]);
        if (numbers.size() != 9) {
            report(problem, where(path, numbersLine) + lines[0] + ": " + std::to_string(numbers.size()) +
                                " numbers instead of nine");
            break;
        }
        entries.push_back({lines[0], lines[1], lines[2], lines[3], lines[5], numbers});
    }
    std::fclose(file);
    return entries;
}

}  // namespace scenerylist
