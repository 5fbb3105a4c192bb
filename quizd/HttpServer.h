// The HTTP side of quizd on libmicrohttpd (epoll, a small thread pool): the game's /play.php, with its
// bare-LF HTTP/1.0 requests, and the teacher's pages on every other path. Bounds what each connection
// may cost, and stops acknowledging anything once its database file is gone or replaced.
#pragma once
#include "ClassImports.h"
#include "ConnectionGuard.h"
#include "CredentialCache.h"
#include "PasswordGate.h"
#include "QuestionCache.h"
#include "QuizStore.h"
#include "TeacherSite.h"

#include <microhttpd.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace quizd {

struct ServerOptions {
    std::string address = "0.0.0.0";
    int port = 80; // 0: any free port (see HttpServer::port)
    unsigned threads = 2;
    unsigned timeoutSeconds = 10;     // an idle connection is closed after this
    unsigned deadlineSeconds = 30;    // any connection is closed after this
    std::size_t requestLimit = 16384; // bytes of request line and headers per connection
    unsigned maxConnections = 4000;
    // A whole class behind one school router shares an address, so this stays generous; it only
    // keeps one machine from taking every place.
    unsigned maxPerAddress = 256;
    unsigned sessionSeconds = 8 * 3600; // a teacher's log-in
    // The time teachers' sessions, remembered log-ons and questions expire by.
    SteadyNow now = std::chrono::steady_clock::now;
};

class HttpServer {
public:
    HttpServer(const std::string& databasePath, const ServerOptions& options, std::ostream& log);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    int port() const;

private:
    struct Request;
    static MHD_Result onAccept(void* self, const sockaddr* address, socklen_t length);
    static void* onUri(void* self, const char* uri, MHD_Connection* connection);
    static MHD_Result onRequest(void* self, MHD_Connection* connection, const char* url, const char* method,
                                const char* version, const char* upload, std::size_t* uploadSize, void** request);
    static void onConnection(void* self, MHD_Connection* connection, void** socketContext,
                             MHD_ConnectionNotificationCode event);
    static void onCompleted(void* self, MHD_Connection* connection, void** request, MHD_RequestTerminationCode reason);

    MHD_Result serve(MHD_Connection* connection, const std::string& path, const std::string& method, Request& request);
    MHD_Result play(MHD_Connection* connection, const std::string& method, Request& request, const std::string& peer);
    MHD_Result teacher(MHD_Connection* connection, const std::string& path, const std::string& method, Request& request,
                       const std::string& peer);
    // Runs work on a pooled store; a store whose work failed is closed rather than pooled (it may be
    // a connection SQLite opened read-only), and a moved file stops all further work.
    template <class Work>
    bool withStore(Work work, std::string& outcome);
    std::unique_ptr<QuizStore> takeStore();
    void giveBack(std::unique_ptr<QuizStore> store);
    int writeClassList(const ClassImports::Users& namedHashes);
    void logLine(const std::string& line);

    std::string databasePath_;
    std::ostream& log_;
    std::mutex logMutex_;
    std::mutex storesMutex_;
    std::vector<std::unique_ptr<QuizStore>> stores_; // one SQLite connection per request at a time
    std::atomic<bool> fileMoved_{false};
    CredentialCache credentials_;
    PasswordGate gate_;
    QuestionCache questions_;
    ClassImports imports_; // after the stores it writes to, so it stops before they go
    TeacherSite site_;
    ConnectionGuard guard_;
    MHD_Daemon* daemon_ = nullptr;
};

}
