// Each command opens the database, does one job in one transaction and says what it did.
#include "Commands.h"

#include "ClassList.h"
#include "CsvQuestionImport.h"
#include "Databases.h"
#include "GameConfig.h"
#include "GiftParser.h"
#include "HttpServer.h"
#include "Migration.h"
#include "QuizStore.h"
#include "ResultsCsv.h"
#include "codepage.h"

#include <malloc.h>

#include <algorithm>
#include <cctype>
#include <map>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace quizd {
namespace {

bool readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

int number(const std::string& text, int low, int high, const std::string& what)
{
    char* end = nullptr;
    long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < low || n > high)
        throw std::runtime_error(what + " invalida: " + text + " (de " + std::to_string(low) + " a " +
                                 std::to_string(high) + ")");
    return int(n);
}

// Blocks until Ctrl-C or a termination request.
void waitForStopSignal(const sigset_t& signals)
{
    int received = 0;
    sigwait(&signals, &received);
}

}

int Commands::usage(std::ostream& to, int status)
{
    to << "uso:\n"
          "  quizd init BANCO.db\n"
          "  quizd import BANCO.db ARQUIVO.gift|PLANILHA.csv...\n"
          "                                           (CSV: pergunta, certa(s) com |, erradas; tudo ou nada)\n"
          "  quizd adduser BANCO.db USUARIO SENHA\n"
          "  quizd addusers BANCO.db TURMA.csv        (linhas usuario,senha; tudo ou nada)\n"
          "  quizd addteacher BANCO.db NOME SENHA     (conta da pagina do professor)\n"
          "  quizd results BANCO.db\n"
          "  quizd export BANCO.db RESULTADOS.csv     (- para a saida padrao)\n"
          "  quizd serve BANCO.db [--address IP] [--port N] [--port-file ARQUIVO] [--threads N]\n"
          "                       [--session-time SEGUNDOS]\n"
          "  quizd migrate ORIGEM DESTINO             (copia a escola inteira para um banco vazio)\n"
          "  quizd gameconfig config.xml SERVIDOR[:PORTA] USUARIO SENHA\n"
          "\n"
          "BANCO.db e um arquivo SQLite, ou um banco PostgreSQL: postgresql://USUARIO@SERVIDOR/BANCO\n"
          "(ou --db postgresql://... depois do comando). Varios quizd no mesmo PostgreSQL atendem juntos.\n"
          "\n"
          "Uma turma, passo a passo:\n"
          "  quizd init turma.db                      cria o banco (pode repetir sem perder nada)\n"
          "  quizd import turma.db /usr/share/quizd/satlink.gift\n"
          "                                           as 39 perguntas de exemplo, ou um arquivo GIFT\n"
          "                                           do Moodle (UTF-8); repita depois de editar\n"
          "  quizd adduser turma.db ana senha123      um aluno (de novo: troca a senha)\n"
          "  quizd addteacher turma.db prof segredo   o professor, para a pagina http://IP-DESTE-PC:8080/\n"
          "  quizd serve turma.db --port 8080         atende os jogos ate Ctrl-C\n"
          "  quizd results turma.db                   respondidas, certas e erradas de cada aluno\n"
          "e no config.xml de cada jogo: <user ... server=\"IP-DESTE-PC:8080\"/>\n"
          "\n"
          "Como servico do sistema (o pacote instala, sem ativar), na porta 80, com o banco\n"
          "/var/lib/quizd/quizd.db:\n"
          "  sudo systemctl enable --now quizd        liga agora e a cada boot\n"
          "  sudo quizd import /var/lib/quizd/quizd.db /usr/share/quizd/satlink.gift\n"
          "  sudo quizd adduser /var/lib/quizd/quizd.db ana senha123\n"
          "  sudo quizd results /var/lib/quizd/quizd.db\n"
          "  journalctl -u quizd                      cada pedido dos jogos\n"
          "Nos jogos instalados basta server=\"IP-DESTE-PC\" em /usr/share/games/satlink/config.xml\n"
          "(ou no ~/.config/satlink/config.xml de cada aluno, que vale no lugar dele).\n";
    return status;
}

std::vector<std::string> Commands::withDatabaseFirst(const std::vector<std::string>& args)
{
    std::vector<std::string> out(args.begin(), args.begin() + std::min<std::size_t>(1, args.size()));
    std::string db;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--db" && i + 1 < args.size() && db.empty()) db = args[++i];
        else out.push_back(args[i]);
    }
    if (!db.empty()) out.insert(out.begin() + 1, db);
    return out;
}

int Commands::run(const std::vector<std::string>& given)
{
    std::vector<std::string> args = withDatabaseFirst(given);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) return usage(out_, 0);
    if (args.size() < 2) return usage(err_, 2);
    const std::string& command = args[0];
    const std::string& db = args[1];
    std::vector<std::string> rest(args.begin() + 2, args.end());
    try {
        if (command == "init" && rest.empty()) return init(db);
        if (command == "import" && !rest.empty()) return import(db, rest);
        if (command == "adduser" && rest.size() == 2) return addUser(db, rest[0], rest[1]);
        if (command == "addusers" && rest.size() == 1) return addUsers(db, rest[0]);
        if (command == "addteacher" && rest.size() == 2) return addTeacher(db, rest[0], rest[1]);
        if (command == "results" && rest.empty()) return results(db);
        if (command == "export" && rest.size() == 1) return exportResults(db, rest[0]);
        if (command == "serve") return serve(db, rest);
        if (command == "migrate" && rest.size() == 1) return migrate(db, rest[0]);
        if (command == "gameconfig" && rest.size() == 3) return gameConfig(db, rest);
    } catch (const std::exception& e) {
        err_ << "quizd: " << e.what() << "\n";
        return 1;
    }
    return usage(err_, 2);
}

int Commands::init(const std::string& db)
{
    QuizStore store(db, true);
    out_ << "banco pronto: " << Databases::shown(db) << "\n";
    return 0;
}

int Commands::import(const std::string& db, const std::vector<std::string>& files)
{
    QuizStore store(db);
    int failures = 0;
    for (const std::string& file : files) {
        std::string text;
        if (!readFile(file, text)) {
            err_ << file << ": nao consegui ler o arquivo\n";
            ++failures;
            continue;
        }
        if (isCsv(file)) {
            failures += importCsv(store, file, text);
            continue;
        }
        GiftParser::Result parsed = GiftParser().parse(text);
        for (const ImportProblem& p : parsed.problems)
            err_ << file << ":" << p.line << ": questao ignorada: " << p.message << "\n";
        ImportCount count = store.importQuestions(parsed.questions);
        out_ << file << ": " << count.added << " questoes novas, " << count.updated << " atualizadas, "
             << parsed.problems.size() << " ignoradas\n";
        if (parsed.questions.empty()) ++failures;
    }
    return failures ? 1 : 0;
}

bool Commands::isCsv(const std::string& file)
{
    std::string end = file.size() >= 4 ? file.substr(file.size() - 4) : "";
    for (char& c : end) c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == ".csv";
}

// A spreadsheet goes in whole or not at all, as on the teacher's page.
int Commands::importCsv(QuizStore& store, const std::string& file, const std::string& bytes)
{
    CsvQuestionImport::Result parsed = CsvQuestionImport::parse(bytes);
    for (const CsvQuestionImport::Problem& p : parsed.problems) err_ << file << ":" << p.line << ": " << p.message << "\n";
    if (!parsed.problems.empty()) {
        err_ << file << ": nenhuma questao gravada; corrija a planilha e rode de novo\n";
        return 1;
    }
    std::map<std::string, int> kinds;
    for (const CsvQuestionImport::Row& r : parsed.rows) ++kinds[r.kind];
    ImportCount count = store.importQuestions(parsed.questions);
    out_ << file << ": " << count.added << " questoes novas, " << count.updated << " atualizadas (";
    for (auto it = kinds.begin(); it != kinds.end(); ++it)
        out_ << (it == kinds.begin() ? "" : ", ") << it->first << " " << it->second;
    out_ << ")\n";
    return 0;
}

int Commands::addUser(const std::string& db, const std::string& name, const std::string& password)
{
    QuizStore store(db);
    bool created = store.addUser(incomingText(name), incomingText(password));
    out_ << (created ? "usuario criado: " : "senha trocada: ") << name << "\n";
    return 0;
}

int Commands::addUsers(const std::string& db, const std::string& csvFile)
{
    std::string text;
    if (!readFile(csvFile, text)) throw std::runtime_error("nao consegui ler " + csvFile);
    ClassList::Result list = ClassList::parse(text);
    for (const ClassList::Problem& p : list.problems) err_ << csvFile << ":" << p.line << ": " << p.message << "\n";
    if (!list.problems.empty()) {
        err_ << csvFile << ": nenhum usuario gravado; corrija a lista e rode de novo\n";
        return 1;
    }
    QuizStore store(db);
    store.addUsers(list.students);
    out_ << list.students.size() << " usuarios gravados\n";
    return 0;
}

int Commands::addTeacher(const std::string& db, const std::string& name, const std::string& password)
{
    QuizStore store(db);
    bool created = store.addTeacher(incomingText(name), incomingText(password));
    out_ << (created ? "professor criado: " : "senha de professor trocada: ") << name << "\n";
    return 0;
}

int Commands::results(const std::string& db)
{
    QuizStore store(db);
    out_ << std::left << std::setw(20) << "usuario" << std::right << std::setw(12) << "respondidas" << std::setw(8)
         << "certas" << std::setw(9) << "erradas"
         << "  ultima resposta\n";
    for (const StudentResult& r : store.results())
        out_ << std::left << std::setw(20) << r.username << std::right << std::setw(12) << r.answered << std::setw(8)
             << r.right << std::setw(9) << r.wrong << "  " << r.lastAnswer << "\n";
    return 0;
}

int Commands::exportResults(const std::string& db, const std::string& csvFile)
{
    QuizStore store(db);
    if (csvFile == "-") {
        ResultsCsv::write(out_, store.results());
        return 0;
    }
    std::ofstream file(csvFile);
    if (!file) throw std::runtime_error("nao consegui escrever " + csvFile);
    ResultsCsv::write(file, store.results());
    out_ << "resultados gravados em " << csvFile << "\n";
    return 0;
}

int Commands::serve(const std::string& db, const std::vector<std::string>& options)
{
    ServerOptions server;
    std::string portFile;
    for (std::size_t i = 0; i < options.size(); i += 2) {
        if (i + 1 >= options.size()) return usage(err_, 2);
        const std::string& key = options[i];
        const std::string& value = options[i + 1];
        if (key == "--address") server.address = value;
        else if (key == "--port") server.port = number(value, 0, 65535, "porta");
        else if (key == "--port-file") portFile = value;
        else if (key == "--threads") server.threads = unsigned(number(value, 1, 64, "numero de threads"));
        else if (key == "--session-time")
            server.sessionSeconds = unsigned(number(value, 1, 604800, "duracao da sessao"));
        else return usage(err_, 2);
    }
    // Each connection allocates and frees a few kilobytes in the server threads' malloc arenas; without
    // these, glibc hands the memory back to the kernel after every request and faults it in again,
    // which costs more than the request itself.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // The signals are blocked before the server's threads start, so only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    HttpServer http(db, server, std::cerr);
    if (!portFile.empty()) {
        std::ofstream file(portFile, std::ios::trunc);
        if (!(file << http.port() << "\n" << std::flush))
            throw std::runtime_error("nao consegui escrever o arquivo de porta " + portFile +
                                     " (a pasta existe? ha permissao de escrita?)");
    }
    out_ << "quizd: servindo " << Databases::shown(db) << " em http://" << server.address << ":" << http.port()
         << "/play.php (pagina do professor em /)\n"
         << std::flush;
    waitForStopSignal(signals);
    out_ << "quizd: parado\n";
    return 0;
}

int Commands::migrate(const std::string& from, const std::string& to)
{
    QuizStore source(from);
    QuizStore destination(to, true);
    for (const Migration::TableCount& c : Migration::copy(source, destination))
        out_ << c.table << ": " << c.rows << " linhas\n";
    out_ << "copia conferida (as mesmas contagens nos dois bancos): " << Databases::shown(to) << "\n";
    return 0;
}

int Commands::gameConfig(const std::string& file, const std::vector<std::string>& values)
{
    std::string original;
    readFile(file, original); // no file yet: a fresh one with the game's usual settings
    std::string updated = GameConfig::withUser(original, values[0], values[1], values[2]);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!(out << updated)) throw std::runtime_error("nao consegui escrever " + file);
    out_ << file << ": servidor " << values[0] << ", usuario " << values[1] << "\n";
    return 0;
}

}
