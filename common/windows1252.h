// The Windows-1252 code page that the game's texts and the quiz wire use, shared by the game and quizd.
#pragma once

namespace windows1252 {

// The code point of one byte. Only 0x80..0x9F differ from Latin-1; the five holes of the code page map
// to the C1 controls, as Windows itself converts them.
char32_t toUnicode(unsigned char byte);
// The byte of a code point, or -1 when the code page has no place for it.
int fromUnicode(char32_t c);

}
