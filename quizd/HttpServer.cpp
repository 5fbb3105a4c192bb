// libmicrohttpd glue: the raw request target (kept from the URI callback) is parsed by QueryString so
// that broken escapes are refused and passwords can be kept out of the log.
#include "HttpServer.h"

#include "DatabaseSessions.h"
#include "DatabaseThrottleRecords.h"
#include "Databases.h"
#include "PlayService.h"

#include <microhttpd.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace quizd {

struct HttpServer::Request {
    std::string target;
    bool started = false;
    std::string body;
    bool bodyTooLarge = false;
};

namespace {

const std::size_t kMaxBody = 4 << 20; // a question bank or a class list

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

std::uint32_t ipv4(const sockaddr* address)
{
    if (!address || address->sa_family != AF_INET) return 0;
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

const sockaddr* clientAddress(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    return info ? info->client_addr : nullptr;
}

std::string peer(MHD_Connection* connection)
{
    const sockaddr* address = clientAddress(connection);
    char text[INET_ADDRSTRLEN] = "?";
    if (address && address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

int socketOf(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    return info ? info->connect_fd : -1;
}

std::string header(MHD_Connection* connection, const char* name)
{
    const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
    return value ? value : "";
}

// "http://host:port/play.php" (what a plain HTTP proxy forwards) names the same resource as "/play.php".
std::string originPath(const std::string& target)
{
    if (target.compare(0, 7, "http://") != 0) return target;
    std::size_t slash = target.find('/', 7);
    return slash == std::string::npos ? "/" : target.substr(slash);
}

MHD_Result send(MHD_Connection* connection, int status, const std::string& contentType, const std::string& body,
                const std::vector<std::pair<std::string, std::string>>& headers)
{
    MHD_Response* response =
        MHD_create_response_from_buffer(body.size(), const_cast<char*>(body.data()), MHD_RESPMEM_MUST_COPY);
    MHD_add_response_header(response, "Content-Type", contentType.c_str());
    MHD_add_response_header(response, "Cache-Control", "no-store");
    for (const auto& [name, value] : headers) MHD_add_response_header(response, name.c_str(), value.c_str());
    MHD_Result result = MHD_queue_response(connection, unsigned(status), response);
    MHD_destroy_response(response);
    return result;
}

// Each connection is a descriptor: take every one the system allows, and leave the server some room
// below it for its own files.
unsigned descriptorRoom()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 1024;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    getrlimit(RLIMIT_NOFILE, &limit);
    return limit.rlim_cur > 256 ? unsigned(std::min<rlim_t>(limit.rlim_cur - 128, 1u << 20)) : 128u;
}

// Servers sharing a PostgreSQL database share the throttle's counts and the teachers' sessions through
// it; a SQLite file has one server, which keeps them in memory.
std::unique_ptr<ThrottleRecords> sharedThrottle(const std::string& where)
{
    if (!Databases::isPostgres(where)) return nullptr;
    return std::make_unique<DatabaseThrottleRecords>(where);
}

std::unique_ptr<SessionStore> sharedSessions(const std::string& where)
{
    if (!Databases::isPostgres(where)) return nullptr;
    return std::make_unique<DatabaseSessions>(where);
}

}

HttpServer::HttpServer(const std::string& databasePath, const ServerOptions& options, std::ostream& log)
    : databasePath_(databasePath), log_(log), credentials_(CredentialCache::defaultLifetime, options.now),
      gate_(LoginThrottle::kPerName, LoginThrottle::kPerAddress, sharedThrottle(databasePath)),
      // Other servers on a PostgreSQL database write what this one cannot see: no fetch is kept there.
      questions_(Databases::isPostgres(databasePath) ? std::chrono::milliseconds(0) : QuestionCache::defaultLifetime,
                 options.now),
      imports_([this](const ClassImports::Users& users) { return writeClassList(users); }),
      site_(gate_, imports_, std::chrono::seconds(options.sessionSeconds), options.now, sharedSessions(databasePath)),
      guard_(std::chrono::seconds(options.deadlineSeconds), std::min(options.maxConnections, descriptorRoom() * 3 / 4),
             options.maxPerAddress)
{
    giveBack(std::make_unique<QuizStore>(databasePath_)); // fails now, not at the first request
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(options.port));
    if (inet_pton(AF_INET, options.address.c_str(), &address.sin_addr) != 1)
        throw std::runtime_error("endereco IPv4 invalido: " + options.address);
    // The guard decides who gets a place; the library's own limit only backs it up while shed
    // connections are being closed.
    daemon_ = MHD_start_daemon(
        MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_TURBO | MHD_USE_ERROR_LOG, 0, &HttpServer::onAccept, this,
        &HttpServer::onRequest, this, MHD_OPTION_SOCK_ADDR, &address, MHD_OPTION_THREAD_POOL_SIZE, options.threads,
        MHD_OPTION_CONNECTION_TIMEOUT, options.timeoutSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT, options.requestLimit,
        MHD_OPTION_CONNECTION_LIMIT, descriptorRoom(), MHD_OPTION_LISTEN_BACKLOG_SIZE, 1024u,
        MHD_OPTION_URI_LOG_CALLBACK, &HttpServer::onUri, this, MHD_OPTION_NOTIFY_COMPLETED, &HttpServer::onCompleted,
        this, MHD_OPTION_NOTIFY_CONNECTION, &HttpServer::onConnection, this, MHD_OPTION_END);
    if (!daemon_)
        throw std::runtime_error("nao consegui escutar em " + options.address + ":" + std::to_string(options.port) +
                                 " (porta em uso, ou abaixo de 1024 sem permissao)");
    // A connection is handed over once its request has started to arrive, so it is read at once rather
    // than watched first; one that sends nothing within the idle time-out costs the server nothing.
    const MHD_DaemonInfo* listening = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_LISTEN_FD);
    int idle = int(options.timeoutSeconds);
    if (listening) setsockopt(listening->listen_fd, IPPROTO_TCP, TCP_DEFER_ACCEPT, &idle, sizeof idle);
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

MHD_Result HttpServer::onAccept(void* self, const sockaddr* address, socklen_t)
{
    return static_cast<HttpServer*>(self)->guard_.admit(ipv4(address)) ? MHD_YES : MHD_NO;
}

// The request lives in its connection, not on its own: the library reports the end of a request only
// when the request reached the handler (one it refused itself, e.g. with a query too big for its memory,
// is never reported), but it always reports the end of a connection.
void* HttpServer::onUri(void*, const char* uri, MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    auto* request = static_cast<Request*>(info->socket_context);
    *request = Request();
    request->target = uri ? uri : "";
    return request;
}

void HttpServer::onConnection(void* self, MHD_Connection* connection, void** socketContext,
                              MHD_ConnectionNotificationCode event)
{
    if (event == MHD_CONNECTION_NOTIFY_STARTED) {
        *socketContext = new Request();
    } else {
        delete static_cast<Request*>(*socketContext);
        *socketContext = nullptr;
    }
    int socket = socketOf(connection);
    if (socket < 0) return;
    ConnectionGuard& guard = static_cast<HttpServer*>(self)->guard_;
    if (event == MHD_CONNECTION_NOTIFY_STARTED) guard.opened(socket, ipv4(clientAddress(connection)));
    else guard.closed(socket);
}

void HttpServer::onCompleted(void* self, MHD_Connection* connection, void** request, MHD_RequestTerminationCode)
{
    static_cast<HttpServer*>(self)->guard_.answered(socketOf(connection)); // a kept-alive one waits again
    if (*request) *static_cast<Request*>(*request) = Request();            // an upload is not kept while idle
    *request = nullptr;
}

// Called once when the headers are in, then once per piece of the body, then once more at its end.
MHD_Result HttpServer::onRequest(void* self, MHD_Connection* connection, const char* url, const char* method,
                                 const char*, const char* upload, std::size_t* uploadSize, void** request)
{
    Request& r = *static_cast<Request*>(*request);
    auto* server = static_cast<HttpServer*>(self);
    if (!r.started && std::strcmp(method, "POST") == 0) {
        r.started = true;
        server->guard_.receiving(socketOf(connection), 0);
        return MHD_YES;
    }
    r.started = true;
    if (*uploadSize > 0) {
        server->guard_.receiving(socketOf(connection), *uploadSize);
        if (r.body.size() + *uploadSize <= kMaxBody) r.body.append(upload, *uploadSize);
        else r.bodyTooLarge = true;
        *uploadSize = 0;
        return MHD_YES;
    }
    server->guard_.answering(socketOf(connection));
    return server->serve(connection, url, method, r);
}

MHD_Result HttpServer::serve(MHD_Connection* connection, const std::string& path, const std::string& method,
                             Request& request)
{
    std::string client = peer(connection);
    if (originPath(path) == "/play.php") return play(connection, method, request, client);
    return teacher(connection, path, method, request, client);
}

template <class Work>
bool HttpServer::withStore(Work work, std::string& outcome)
{
    if (fileMoved_) {
        outcome = "erro: o arquivo do banco foi apagado ou trocado; reinicie o quizd";
        return false;
    }
    std::unique_ptr<QuizStore> store;
    try {
        store = takeStore();
        bool ok = work(*store);
        if (store->database().fileMoved()) {
            fileMoved_ = true;
            outcome = "erro: o arquivo do banco " + databasePath_ +
                      " foi apagado ou trocado: nada mais e gravado; "
                      "reinicie o quizd";
            giveBack(std::move(store)); // kept open, never used: closing it would clean up files by name
            return false;
        }
        if (ok) giveBack(std::move(store));
        return true;
    } catch (const std::exception& e) {
        outcome = std::string("erro: ") + e.what(); // the database could not be opened again
        return false;
    }
}

MHD_Result HttpServer::play(MHD_Connection* connection, const std::string& method, Request& request,
                            const std::string& client)
{
    Reply reply{500, "0\tErro interno do servidor"};
    std::string outcome;
    std::vector<std::pair<std::string, std::string>> headers;
    std::optional<QueryString> query = QueryString::parse(request.target);
    if (method != "GET") {
        // Not even HEAD: every GET here may record something.
        reply = {405, "0\tSo GET"};
        headers.emplace_back("Allow", "GET");
    } else if (!query) {
        reply = {400, "0\tPedido invalido: escape % malformado"};
    } else {
        bool done = withStore(
            [&](QuizStore& store) {
                PlayService service(store, credentials_, gate_, questions_, client);
                reply = service.handle(*query);
                outcome = service.outcome();
                return !service.failed();
            },
            outcome);
        if (!done) reply = PlayService::failure(query->get("msg"));
    }
    logLine(client + " " + method + " " + printable(QueryString::redacted(request.target)) + " " +
            std::to_string(reply.status) + (outcome.empty() ? "" : " " + outcome));
    return send(connection, reply.status, "text/plain; charset=windows-1252", reply.body, headers);
}

MHD_Result HttpServer::teacher(MHD_Connection* connection, const std::string& path, const std::string& method,
                               Request& request, const std::string& client)
{
    WebRequest web{method,
                   path,
                   request.target,
                   header(connection, "Cookie"),
                   header(connection, "Content-Type"),
                   std::move(request.body),
                   request.bodyTooLarge,
                   client};
    WebReply reply;
    std::string outcome;
    bool done = withStore(
        [&](QuizStore& store) {
            reply = site_.handle(web, store);
            return true;
        },
        outcome);
    if (!done) reply = TeacherSite::failurePage(outcome);
    logLine(client + " " + method + " " + printable(QueryString::redacted(request.target)) + " " +
            std::to_string(reply.status) + (outcome.empty() ? "" : " " + outcome));
    return send(connection, reply.status, reply.contentType, reply.body, reply.headers);
}

int HttpServer::writeClassList(const ClassImports::Users& namedHashes)
{
    int created = 0;
    std::string outcome;
    bool done = withStore(
        [&](QuizStore& store) {
            created = store.writeUsers(namedHashes);
            return true;
        },
        outcome);
    logLine("lista da turma: " + (done ? std::to_string(namedHashes.size()) + " alunos gravados" : outcome));
    if (!done) throw std::runtime_error(outcome);
    return created;
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

// The whole line in one piece: on an unbuffered stream (the standard error) each piece is a system call.
void HttpServer::logLine(const std::string& line)
{
    std::string text;
    text.reserve(line.size() + 24);
    std::lock_guard<std::mutex> lock(logMutex_);
    text.append(timestamp()).append(1, ' ').append(line).append(1, '\n');
    log_.write(text.data(), std::streamsize(text.size()));
    log_.flush();
}

}
