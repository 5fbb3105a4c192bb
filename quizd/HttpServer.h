// The HTTP side of quizd on libmicrohttpd (epoll, a small thread pool): accepts the game's bare-LF
// HTTP/1.0 requests as well as ordinary clients, and bounds what each connection may cost.
#pragma once
#include "ConnectionDeadline.h"
#include "CredentialCache.h"
#include "QuizStore.h"

#include <microhttpd.h>

#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace quizd {

struct ServerOptions {
    std::string address = "0.0.0.0";
    int port = 80;              // 0: any free port (see HttpServer::port)
    unsigned threads = 2;
    unsigned timeoutSeconds = 10;   // an idle connection is closed after this
    unsigned deadlineSeconds = 30;  // any connection is closed after this
    std::size_t requestLimit = 16384; // bytes of request line and headers per connection
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
    static void* onUri(void* self, const char* uri, MHD_Connection* connection);
    static MHD_Result onRequest(void* self, MHD_Connection* connection, const char* url, const char* method,
                                const char* version, const char* upload, std::size_t* uploadSize, void** request);
    static void onConnection(void* self, MHD_Connection* connection, void** socketContext,
                             MHD_ConnectionNotificationCode event);
    static void onCompleted(void* self, MHD_Connection* connection, void** request,
                            MHD_RequestTerminationCode reason);

    MHD_Result serve(MHD_Connection* connection, const std::string& path, const std::string& method, Request& request);
    std::unique_ptr<QuizStore> takeStore();
    void giveBack(std::unique_ptr<QuizStore> store);
    void logLine(const std::string& line);

    std::string databasePath_;
    std::ostream& log_;
    std::mutex logMutex_;
    std::mutex storesMutex_;
    std::vector<std::unique_ptr<QuizStore>> stores_; // one SQLite connection per request at a time
    CredentialCache credentials_;
    ConnectionDeadline deadline_;
    MHD_Daemon* daemon_ = nullptr;
};

}
