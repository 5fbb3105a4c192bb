// The window breaks a text at spaces and line feeds only: a word wider than the whole line gets a line
// of its own and runs past the edge. The blanks before a word count in the line's width.
#include "DialogLayout.h"

namespace quizd {
namespace {

// The dialog font (media/fontcalibri10.png) as the engine measures each byte after the game's
// Windows-1252 decoding; bytes below 32 are never drawn.
const unsigned char kWidths[256] = {
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  //
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  //
    4,  5,  5,  10, 7,  11, 9,  3,  5,  5,  6,  10, 4,  4,  4,  4,  //
    7,  7,  7,  7,  7,  7,  7,  7,  7,  7,  4,  4,  10, 10, 10, 6,  //
    12, 8,  8,  8,  9,  7,  7,  9,  9,  3,  4,  8,  7,  10, 9,  9,  //
    7,  9,  8,  7,  9,  9,  8,  12, 8,  9,  8,  5,  4,  5,  10, 7,  //
    6,  7,  7,  6,  7,  7,  5,  7,  7,  3,  4,  7,  3,  11, 7,  7,  //
    7,  7,  5,  6,  5,  7,  7,  10, 7,  7,  6,  7,  4,  7,  10, 3,  //
    4,  3,  4,  4,  4,  4,  4,  4,  4,  4,  4,  4,  4,  3,  4,  3,  //
    3,  4,  4,  4,  4,  4,  4,  4,  4,  4,  4,  4,  4,  3,  4,  4,  //
    4,  5,  7,  7,  7,  7,  4,  6,  6,  12, 6,  7,  10, 4,  12, 6,  //
    6,  10, 5,  5,  6,  8,  7,  4,  6,  5,  6,  7,  11, 11, 11, 6,  //
    8,  8,  8,  8,  8,  8,  11, 8,  7,  7,  7,  7,  3,  4,  5,  4,  //
    9,  9,  9,  9,  9,  9,  9,  10, 9,  9,  9,  9,  9,  9,  7,  7,  //
    7,  7,  7,  7,  7,  7,  11, 6,  7,  7,  7,  7,  4,  4,  5,  5,  //
    7,  7,  7,  7,  7,  7,  7,  10, 7,  7,  7,  7,  7,  7,  7,  7,  //
};

}

int DialogLayout::width(unsigned char byte)
{
    return kWidths[byte];
}

int DialogLayout::width(const std::string& cp1252)
{
    int total = 0;
    for (char c : cp1252) total += width(static_cast<unsigned char>(c));
    return total;
}

std::vector<std::string> DialogLayout::wrap(const std::string& cp1252)
{
    std::vector<std::string> lines;
    std::string line, word, blanks;
    int length = 0;
    auto placeWord = [&] {
        if (word.empty()) return;
        int wordWidth = width(word);
        int blanksWidth = width(blanks);
        if (length && (wordWidth > kTextWidth || length + blanksWidth + wordWidth > kTextWidth)) {
            lines.push_back(line);
            line = word;
            length = wordWidth;
        } else if (wordWidth > kTextWidth) {
            line = word;
            length = wordWidth;
        } else {
            line += blanks + word;
            length += blanksWidth + wordWidth;
        }
        word.clear();
        blanks.clear();
    };
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        char c = cp1252[i];
        bool lineFeed = c == '\n' || c == '\r';
        if (c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
        if (!lineFeed && c != ' ') word += c;
        if (lineFeed || c == ' ' || i + 1 == cp1252.size()) {
            placeWord();
            if (c == ' ') blanks += c;
            if (lineFeed) {
                lines.push_back(line + blanks);
                line.clear();
                blanks.clear();
                length = 0;
            }
        }
    }
    lines.push_back(line + blanks + word);
    return lines;
}

}
