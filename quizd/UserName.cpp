// A name goes to the game's log-on box, to the log and to the teacher's spreadsheet: control characters
// would break each of them, and the game keeps at most 199 bytes of Windows-1252.
#include "UserName.h"

#include "codepage.h"

namespace quizd {
namespace {

const std::size_t kMaxNameBytes = 199;

// C0 and DEL as single bytes, C1 as their two-byte UTF-8 forms (U+0080..U+009F).
bool hasControlCharacter(const std::string& utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7f) return true;
        if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) return true;
    }
    return false;
}

}

std::string UserName::problem(const std::string& utf8)
{
    if (utf8.empty()) return "nome vazio";
    if (hasControlCharacter(utf8)) return "nome com caractere de controle";
    std::string bytes;
    long bad = 0;
    if (!utf8ToCp1252(utf8, bytes, bad)) return "nome com caractere que o jogo nao escreve";
    if (bytes.size() > kMaxNameBytes) return "nome com mais de " + std::to_string(kMaxNameBytes) + " caracteres";
    return "";
}

}
