// libmicrohttpd glue: the raw request target (kept from the URI callback) is parsed by QueryString so
// that broken escapes are refused and passwords can be kept out of the log.
#include "HttpServer.h"

#include "PlayService.h"

#include <microhttpd.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstring>
#include <ctime>
#include <stdexcept>

namespace quizd {

struct HttpServer::Request {
    std::string target;
};

namespace {

std::string timestamp()
{
    char buf[32];
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return buf;
}

// Request targets are attacker's text: no control bytes reach the log.
std::string printable(std::string s)
{
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return s;
}

std::string peer(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    char text[INET_ADDRSTRLEN] = "?";
    if (info && info->client_addr && info->client_addr->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(info->client_addr)->sin_addr, text, sizeof text);
    return text;
}

// "http://host:port/play.php" (what a plain HTTP proxy forwards) names the same resource as "/play.php".
std::string originPath(const std::string& target)
{
    if (target.compare(0, 7, "http://") != 0) return target;
    std::size_t slash = target.find('/', 7);
    return slash == std::string::npos ? "/" : target.substr(slash);
}

MHD_Result sendReply(MHD_Connection* connection, const Reply& reply)
{
    MHD_Response* response = MHD_create_response_from_buffer(reply.body.size(), const_cast<char*>(reply.body.data()),
                                                              MHD_RESPMEM_MUST_COPY);
    MHD_add_response_header(response, "Content-Type", "text/plain; charset=windows-1252");
    MHD_add_response_header(response, "Cache-Control", "no-store");
    MHD_Result result = MHD_queue_response(connection, unsigned(reply.status), response);
    MHD_destroy_response(response);
    return result;
}

}

HttpServer::HttpServer(const std::string& databasePath, const ServerOptions& options, std::ostream& log)
    : databasePath_(databasePath), log_(log), deadline_(std::chrono::seconds(options.deadlineSeconds))
{
    giveBack(std::make_unique<QuizStore>(databasePath_)); // fails now, not at the first request
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(options.port));
    if (inet_pton(AF_INET, options.address.c_str(), &address.sin_addr) != 1)
        throw std::runtime_error("endereco IPv4 invalido: " + options.address);
    daemon_ = MHD_start_daemon(
        MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_TURBO | MHD_USE_ERROR_LOG, 0, nullptr, nullptr,
        &HttpServer::onRequest, this,
        MHD_OPTION_SOCK_ADDR, &address,
        MHD_OPTION_THREAD_POOL_SIZE, options.threads,
        MHD_OPTION_CONNECTION_TIMEOUT, options.timeoutSeconds,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, options.requestLimit,
        MHD_OPTION_CONNECTION_LIMIT, 4000u,
        // A whole class behind one school router shares an address, so this stays generous; it only
        // keeps one machine from taking every connection.
        MHD_OPTION_PER_IP_CONNECTION_LIMIT, 256u,
        MHD_OPTION_LISTEN_BACKLOG_SIZE, 1024u,
        MHD_OPTION_URI_LOG_CALLBACK, &HttpServer::onUri, this,
        MHD_OPTION_NOTIFY_COMPLETED, &HttpServer::onCompleted, this,
        MHD_OPTION_NOTIFY_CONNECTION, &HttpServer::onConnection, this,
        MHD_OPTION_END);
    if (!daemon_)
        throw std::runtime_error("nao consegui escutar em " + options.address + ":" + std::to_string(options.port) +
                                 " (porta em uso, ou abaixo de 1024 sem permissao)");
}

HttpServer::~HttpServer()
{
    MHD_stop_daemon(daemon_);
}

int HttpServer::port() const
{
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

void* HttpServer::onUri(void*, const char* uri, MHD_Connection*)
{
    return new Request{uri ? uri : ""};
}

void HttpServer::onConnection(void* self, MHD_Connection* connection, void**, MHD_ConnectionNotificationCode event)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    if (!info) return;
    ConnectionDeadline& deadline = static_cast<HttpServer*>(self)->deadline_;
    if (event == MHD_CONNECTION_NOTIFY_STARTED) deadline.opened(info->connect_fd);
    else deadline.closed(info->connect_fd);
}

void HttpServer::onCompleted(void*, MHD_Connection*, void** request, MHD_RequestTerminationCode)
{
    delete static_cast<Request*>(*request);
    *request = nullptr;
}

MHD_Result HttpServer::onRequest(void* self, MHD_Connection* connection, const char* url, const char* method,
                          const char*, const char*, std::size_t*, void** request)
{
    return static_cast<HttpServer*>(self)->serve(connection, url, method, *static_cast<Request*>(*request));
}

MHD_Result HttpServer::serve(MHD_Connection* connection, const std::string& path, const std::string& method, Request& request)
{
    Reply reply{500, "0\tErro interno do servidor"};
    std::string outcome;
    if (method != "GET" && method != "HEAD") {
        reply = {405, "0\tSo GET"};
    } else if (originPath(path) != "/play.php") {
        reply = {404, "0\tSo /play.php"};
    } else if (std::optional<QueryString> query = QueryString::parse(request.target); !query) {
        reply = {400, "0\tPedido invalido: escape % malformado"};
    } else {
        try {
            std::unique_ptr<QuizStore> store = takeStore();
            PlayService service(*store, credentials_);
            reply = service.handle(*query);
            outcome = service.outcome();
            giveBack(std::move(store));
        } catch (const std::exception& e) {
            outcome = std::string("erro: ") + e.what(); // the database could not be opened again
            reply = PlayService::failure(query->get("msg"));
        }
    }
    logLine(peer(connection) + " " + method + " " + printable(QueryString::redacted(request.target)) + " " +
            std::to_string(reply.status) + (outcome.empty() ? "" : " " + outcome));
    return sendReply(connection, reply);
}

std::unique_ptr<QuizStore> HttpServer::takeStore()
{
    {
        std::lock_guard<std::mutex> lock(storesMutex_);
        if (!stores_.empty()) {
            std::unique_ptr<QuizStore> store = std::move(stores_.back());
            stores_.pop_back();
            return store;
        }
    }
    return std::make_unique<QuizStore>(databasePath_);
}

void HttpServer::giveBack(std::unique_ptr<QuizStore> store)
{
    std::lock_guard<std::mutex> lock(storesMutex_);
    stores_.push_back(std::move(store));
}

void HttpServer::logLine(const std::string& line)
{
    std::lock_guard<std::mutex> lock(logMutex_);
    log_ << timestamp() << " " << line << "\n" << std::flush;
}

}
