// Fixture for quizd tests: a fresh database in its own temporary folder, and a raw TCP exchange. Where
// QUIZD_TEST_POSTGRES names a PostgreSQL database (tests/support/with_postgres), the database is that
// one, emptied, instead of a SQLite file.
#pragma once
#include "Databases.h"
#include "GiftParser.h"
#include "QuizStore.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <filesystem>
#include <string>

class QuizdTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quizd-test-XXXXXX";
        folder_ = mkdtemp(pattern);
        path_ = folder_ + "/quiz.db";
        if (const char* url = std::getenv("QUIZD_TEST_POSTGRES")) {
            path_ = url;
            quizd::Databases::open(path_, false)->exec("DROP SCHEMA public CASCADE; CREATE SCHEMA public");
        }
        quizd::QuizStore(path_, true);
    }
    bool onPostgres() const { return quizd::Databases::isPostgres(path_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    quizd::QuizStore open() { return quizd::QuizStore(path_); }

    void importGift(const std::string& gift)
    {
        quizd::GiftParser::Result r = quizd::GiftParser().parse(gift);
        ASSERT_TRUE(r.problems.empty()) << r.problems[0].message;
        open().importQuestions(r.questions);
    }

    // A connection to the server on loopback, from a loopback address of the caller's choosing, or -1.
    static int connectTo(int port, const char* from = "127.0.0.1")
    {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in source{};
        source.sin_family = AF_INET;
        inet_pton(AF_INET, from, &source.sin_addr);
        bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            close(fd);
            return -1;
        }
        return fd;
    }

    // Sends bytes as they are and returns everything the server sends back until it closes.
    static std::string exchange(int port, const std::string& bytes, const char* from = "127.0.0.1")
    {
        int fd = connectTo(port, from);
        if (fd < 0) return "";
        send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        std::string reply;
        char buffer[4096];
        for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, std::size_t(n));
        close(fd);
        return reply;
    }

    static std::string bodyOf(const std::string& reply)
    {
        std::size_t end = reply.find("\r\n\r\n");
        return end == std::string::npos ? "" : reply.substr(end + 4);
    }

    // The reply with every number blanked: two refusals that differ only in the seconds still to wait.
    static std::string withoutNumbers(const std::string& reply)
    {
        return std::regex_replace(reply.substr(0, 12) + "|" + bodyOf(reply), std::regex("[0-9]+"), "#");
    }

    std::string folder_;
    std::string path_;
};
