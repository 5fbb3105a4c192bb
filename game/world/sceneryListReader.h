// The game's reader of the scenery list, which the generator's tests and levelview use too: six lines per
// entry, '#' lines skipped anywhere, line 5 split at commas.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <irrlicht.h>

namespace scenerylist {

// One entry of the list, as its six lines give it.
struct Entry {
    std::string nameLine, mesh, texture, sound, properties;
    std::vector<float> numbers;  // the nine of line 5
    bool scenery() const { return !nameLine.empty() && nameLine[0] == '*'; }
    std::string name() const;    // the object's name: no leading '*', no shape
    std::string shape() const;   // "box", "plane" or empty
    int collisionRange() const;  // "collision=" N as atoi reads up to 10 characters; 0 when absent
    bool collisionCamera() const { return properties.find("collisionCamera") != std::string::npos; }
    irr::core::vector3df position() const { return {numbers[0], numbers[1], numbers[2]}; }
    irr::core::vector3df rotation() const { return {numbers[3], numbers[4], numbers[5]}; }
    irr::core::vector3df scale() const { return {numbers[6], numbers[7], numbers[8]}; }
    irr::core::vector3df boxSize() const;  // the leading numbers of the properties
};

// The format's text helpers: one line of at most 254 characters, skipping lines that begin with '#'
// (counted in lineNumber when given); a line cut at its first CR or LF.
bool myfgets(char* buffer, std::FILE* file, int* lineNumber = nullptr);
void put0(char* text);

// Every complete entry of the list up to the first faulty one: an entry cut short by the end of the file
// or a number line without nine numbers ends the reading and is reported in problem with the file and
// line; so is a file that cannot be opened.
std::vector<Entry> read(const std::string& path, std::string* problem = nullptr);

// A path as the list writes it, under "\media\" with backslashes, as a file under mediaRoot.
std::string mediaFile(const std::string& mediaRoot, const std::string& listPath);

}  // namespace scenerylist
