// The teacher's command line: init, import, adduser, addusers, addteacher, results, export, serve, migrate,
// gameconfig.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace quizd {

class QuizStore;

class Commands {
public:
    Commands(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // args without the program name; returns the exit status.
    int run(const std::vector<std::string>& args);

private:
    int usage(std::ostream& to, int status);
    int init(const std::string& db);
    int import(const std::string& db, const std::vector<std::string>& files);
    static bool isCsv(const std::string& file);
    int importCsv(QuizStore& store, const std::string& file, const std::string& bytes);
    int addUser(const std::string& db, const std::string& name, const std::string& password);
    int addTeacher(const std::string& db, const std::string& name, const std::string& password);
    int addUsers(const std::string& db, const std::string& csvFile);
    int results(const std::string& db);
    int exportResults(const std::string& db, const std::string& csvFile);
    int serve(const std::string& db, const std::vector<std::string>& options);
    int migrate(const std::string& from, const std::string& to);
    // "--db WHERE" anywhere after the command names the database, as the word after the command does.
    static std::vector<std::string> withDatabaseFirst(const std::vector<std::string>& args);
    int gameConfig(const std::string& file, const std::vector<std::string>& values);

    std::ostream& out_;
    std::ostream& err_;
};

}
