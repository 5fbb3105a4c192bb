// GIFT import of one huge question: the time for 600 kB against 150 kB, which grows with the size, not
// with its square (as a parser that copied the rest of the text at every answer once did).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "GiftParser.h"

namespace {

// A question of n answers ("=a "), then an HTML one of n entities: 6 n bytes in all.
std::string huge(std::size_t n)
{
    std::string answers, entities;
    for (std::size_t k = 0; k < n; ++k) {
        answers += "=a ";
        entities += "&amp;";
    }
    return "Muitas {" + answers + "}\n\n[html]" + entities + " {T}\n";
}

// The best of three runs: a busy machine only ever adds time.
double seconds(std::size_t n)
{
    const std::string text = huge(n);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        quizd::GiftParser().parse(text);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}

int main()
{
    const double small = seconds(50000), large = seconds(200000);
    std::printf("GIFT question of 150 kB: %.3f s; of 600 kB: %.3f s, %.1f times (the square would be 16)\n", small,
                large, large / small);
    return 0;
}
