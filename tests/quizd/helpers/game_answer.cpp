// Answers one question as the game does, through the game's own quiz client (log-on, fetch, answer), for
// the teacher's page test. Arguments: HOST:PORT USER PASSWORD QUESTION-ID ANSWER. Prints the verdict.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "net/Server.h"
#include "shell/Config.h"
#include "platform/StateReset.h"

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "uso: game_answer HOST:PORTA USUARIO SENHA QUESTAO RESPOSTA\n");
        return 2;
    }
    resetRegisteredState();
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "%s", argv[1]);
    std::snprintf(GUser.usuario, sizeof GUser.usuario, "%s", argv[2]);
    std::snprintf(GUser.senha, sizeof GUser.senha, "%s", argv[3]);
    try {
        loginServer();
        const Question question = askQuestion(std::stoi(argv[4]));
        std::vector<std::string> verdict = sayAnswer(question, argv[5]);
        std::printf("%s\n", verdict.empty() ? "" : verdict[0].c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "game_answer: %s\n", e.what());
        return 1;
    }
}
