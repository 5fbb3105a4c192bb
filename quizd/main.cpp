// quizd: the quiz server and the teacher's tools around it.
#include "Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    return quizd::Commands(std::cout, std::cerr).run(std::vector<std::string>(argv + 1, argv + argc));
}
