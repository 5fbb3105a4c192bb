// The quiz protocol: one HTTP/1.0 GET of /play.php per TCP connection, direct or through a CONNECT proxy.
#include "net/Server.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <strings.h>
#include <utility>

#include "net/Question.h"
#include "net/SocketClient.h"
#include "net/tokenize.h"
#include "net/urlencode.h"
#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "shell/Config.h"
#include "shell/fatal.h"

std::string GinstallToken;

namespace {

const bool resetRegistered = registerReset([] { GinstallToken.clear(); });

// Far above any reply of the protocol; a peer sending more is not the quiz server.
const size_t maxReply = 65536;
const char* readFailure = "problema com sockets (read)";

struct ServerAddress {
    std::string host;
    int port = 80;
};

// "host" or "host:port", from GUser.endereco.
ServerAddress serverAddress()
{
    ServerAddress address;
    address.host = GUser.endereco;
    if (address.host.empty())
        throw GameError("no quiz server address in config.xml");
    std::string::size_type colon = address.host.rfind(':');
    if (colon == std::string::npos)
        return address;
    std::string digits = address.host.substr(colon + 1);
    char* end = nullptr;
    long port = std::strtol(digits.c_str(), &end, 10);
    if (digits.empty() || *end != 0 || port < 1 || port > 65535)
        throw GameError(std::string("bad port in the server address: ") + GUser.endereco);
    address.host.erase(colon);
    address.port = static_cast<int>(port);
    return address;
}

template <typename... Args>
std::string formatLine(const char* format, Args... args)
{
    char line[12384];
    int written = std::snprintf(line, sizeof line, format, args...);
    if (written < 0 || static_cast<size_t>(written) >= sizeof line)
        throw GameError("request line too long");
    return line;
}

// One line of the reply; a read that fails (a time-out above all) fails the request with its cause.
std::string receiveLine(Socket& client)
{
    std::string line = client.ReceiveLine();
    if (!client.readFailure().empty())
        throw GameError("reading the reply: " + client.readFailure());
    return line;
}

const size_t noLength = std::string::npos;

// The body's length from a "Content-Length" line (name in any case), noLength when there is none.
size_t contentLength(const std::string& line)
{
    const char name[] = "content-length:";
    if (strncasecmp(line.c_str(), name, sizeof name - 1) != 0)
        return noLength;
    const char* digits = line.c_str() + sizeof name - 1;
    char* end = nullptr;
    long length = std::strtol(digits, &end, 10);
    return end == digits || length < 0 ? noLength : static_cast<size_t>(length);
}

// Reads the headers up to the blank line; returns the body's announced length, noLength when unknown.
size_t skipHeaders(Socket& client)
{
    size_t length = noLength;
    for (std::string line = receiveLine(client); !line.empty() && line != "\r\n" && line != "\n";
         line = receiveLine(client)) {
        if (contentLength(line) != noLength)
            length = contentLength(line);
    }
    return length;
}

// Asks the proxy on `client` for a tunnel to the quiz server, whose address it reads once into `address`.
bool tunnel(SocketClient& client, ServerAddress& address)
{
    try {
        address = serverAddress();
        client.SendLine(formatLine("CONNECT %s:%d HTTP/1.0 \r\n", address.host.c_str(), address.port));
        if (client.ReceiveLine().find("200") == std::string::npos)
            return false;
        skipHeaders(client);
        return true;
    } catch (const GameError&) {
        return false;
    }
}

// One request's connection and the host its Host line names: the address is read once per request.
struct Connection {
    std::unique_ptr<SocketClient> client;
    std::string host;
};

Connection openConnection(bool allowProxy, std::chrono::milliseconds timeout)
{
    ServerAddress address;
    if (allowProxy && GproxyInternet) {
        auto client = std::make_unique<SocketClient>(GproxyIP.c_str(), GproxyPort, timeout);
        if (!tunnel(*client, address))
            throw GameError("proxy tunnel refused");
        return {std::move(client), address.host};
    }
    address = serverAddress();
    return {std::make_unique<SocketClient>(address.host, address.port, timeout), address.host};
}

void sendRequest(Connection& connection, const std::string& requestLine)
{
    connection.client->SendLine(requestLine);
    connection.client->SendLine("Host: " + connection.host);
    connection.client->SendLine("");
}

std::string readToClose(Socket& client)
{
    std::string text;
    for (std::string line = receiveLine(client); !line.empty(); line = receiveLine(client)) {
        text += line;
        if (text.size() > maxReply)
            throw GameError("reply too long");
    }
    return text;
}

// The body up to the close; one shorter than its announced length was cut off on the way.
std::string readBody(Socket& client, size_t length)
{
    std::string body = readToClose(client);
    if (length != noLength && body.size() < length)
        throw GameError("reply cut short: " + std::to_string(body.size()) + " of " + std::to_string(length) +
                        " bytes");
    return body;
}

// The user name and the password travel encoded, so that a space, '&' or '#' in them stays in its key.
std::string user()
{
    return urlencode(GUser.usuario);
}
std::string password()
{
    return urlencode(GUser.senha);
}
// The last key of every request that logs on; a server that does not know it ignores it.
std::string install()
{
    return GinstallToken.empty() ? "" : "&install=" + urlencode(GinstallToken);
}

// "HTTP/1.0 200 OK": whether the status line says the request was served.
bool served(const std::string& statusLine)
{
    const size_t space = statusLine.find(' ');
    return space != std::string::npos && statusLine.compare(space + 1, 3, "200") == 0 &&
           (statusLine.size() == space + 4 || !std::isdigit(static_cast<unsigned char>(statusLine[space + 4])));
}

void logFailure(const char* where, const GameError& error)
{
    GLog.writelf((std::string(where) + ": " + error.what()).c_str());
}

// The console messages of a failure end without a line feed.
void say(const char* text)
{
    std::fputs(text, stdout);
    std::fflush(stdout);
}

// The line starting at `from`, without its terminator and with tabs as spaces, so it fits one log line.
std::string lineAt(const std::string& text, size_t from)
{
    if (from >= text.size())
        return "";
    std::string line = text.substr(from, text.find('\n', from) - from);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::replace(line.begin(), line.end(), '\t', ' ');
    return line.substr(0, 200);
}

// Where the body of a whole reply starts: after the first blank line, whichever line ends it uses.
size_t bodyStart(const std::string& reply)
{
    const size_t crlf = reply.find("\n\r\n");
    const size_t lf = reply.find("\n\n");
    return std::min(crlf == std::string::npos ? reply.size() : crlf + 3,
                    lf == std::string::npos ? reply.size() : lf + 2);
}

// Nobody reads the log-on reply, so a refused log-on is seen only here: its status line and first body line.
void logRefusal(const std::string& reply)
{
    const std::string status = lineAt(reply, 0);
    if (status.find(" 200") != std::string::npos)
        return;
    GLog.writelf(
        ("loginServer: log-on refused: " + status + " / " + lineAt(reply, bodyStart(reply))).c_str());
}

[[noreturn]] void failFetch(const char* why)
{
    say(readFailure);
    throw GameError(why);
}

}

bool proxy_conexion(SocketClient* client)
{
    ServerAddress address;
    return tunnel(*client, address);
}

std::string loginServer(std::chrono::milliseconds timeout)
{
    try {
        Connection connection = openConnection(true, timeout);
        sendRequest(connection, formatLine("GET /play.php?msg=l&username=%s&password=%s%s HTTP/1.0",
                                           user().c_str(), password().c_str(), install().c_str()));
        std::string reply = readToClose(*connection.client);
        if (reply.empty())
            throw GameError("empty reply");
        logRefusal(reply);
        return reply;
    } catch (const GameError& error) {
        logFailure("loginServer", error);
        say("login problem (socket)");
        return "";
    }
}

LogonOutcome readLogon(const std::string& reply)
{
    if (reply.empty())
        return {LogonOutcome::unanswered, ""};
    const std::string status = lineAt(reply, 0);
    const std::string body = lineAt(reply, bodyStart(reply));
    if (status.find(" 200") != std::string::npos && body.substr(0, body.find(' ')) == "1")
        return {LogonOutcome::accepted, ""};
    // the quiz server's refusals are "0", a tab and the reason; anything else is told by its status
    if (body.rfind("0 ", 0) == 0 && body.size() > 2)
        return {LogonOutcome::refused, body.substr(2)};
    return {LogonOutcome::refused, status};
}

std::string getQuestion(int id, std::chrono::milliseconds timeout)
{
    try {
        Connection connection = openConnection(true, timeout);
        if (id < 0)
            sendRequest(connection, formatLine("GET /play.php?msg=p&username=%s&password=%s%s HTTP/1.0",
                                               user().c_str(), password().c_str(), install().c_str()));
        else
            sendRequest(connection, formatLine("GET /play.php?msg=p&id=%d&username=%s&password=%s%s HTTP/1.0", id,
                                               user().c_str(), password().c_str(), install().c_str()));
        const size_t length = skipHeaders(*connection.client);
        return readBody(*connection.client, length);
    } catch (const GameError& error) {
        logFailure("getQuestion", error);
        failFetch(readFailure);
    }
}

Question readQuestion(const std::string& body)
{
    std::optional<Question> question = Question::parse(body);
    if (!question) {
        GLog.writelf("askQuestion: malformed question reply");
        failFetch("malformed question reply");
    }
    return *question;
}

Question askQuestion(int id, std::chrono::milliseconds timeout)
{
    return readQuestion(getQuestion(id, timeout));
}

std::string sendAnswer(const std::string& id, const std::string& resposta, std::chrono::milliseconds timeout)
{
    try {
        Connection connection = openConnection(true, timeout);
        sendRequest(connection,
                    formatLine("GET /play.php?msg=r&username=%s&password=%s&id=%s&resposta=%s%s HTTP/1.0",
                               user().c_str(), password().c_str(), urlencode(id).c_str(),
                               _urlencode(resposta).c_str(), install().c_str()));
        // A server that failed (500 when it could not store the answer) gives no verdict, whatever its body.
        const std::string status = receiveLine(*connection.client);
        if (!served(status))
            throw GameError("no verdict: " + lineAt(status, 0));
        skipHeaders(*connection.client);
        std::string verdict = receiveLine(*connection.client);
        // a reply without a body is no verdict
        return verdict.empty() ? "outch" : verdict;
    } catch (const GameError& error) {
        logFailure("sendAnswer", error);
        return "outch";
    }
}

std::vector<std::string> sayAnswer(const Question& question, const std::string& resposta,
                                   std::chrono::milliseconds timeout)
{
    return verdictFields(sendAnswer(question.id, resposta, timeout));
}

std::vector<std::string> verdictFields(const std::string& verdict)
{
    std::vector<std::string> fields;
    tokenize(verdict, fields, "\t");
    if (fields.empty() || (fields[0] != "0" && fields[0] != "1")) {
        if (verdict != "outch")
            GLog.writelf(("sayAnswer: no verdict in the reply: " + lineAt(verdict, 0)).c_str());
        return {"outch"};
    }
    return fields;
}

void reportEvent(const char* event, int stage, const std::string& title, int life, unsigned seconds,
                 std::chrono::milliseconds timeout)
{
    try {
        Connection connection = openConnection(true, timeout);
        sendRequest(connection,
                    formatLine("GET /play.php?msg=e&username=%s&password=%s&event=%s&stage=%d&title=%s"
                               "&life=%d&time=%u HTTP/1.0",
                               user().c_str(), password().c_str(), event, stage, urlencode(title).c_str(),
                               life, seconds));
        readToClose(*connection.client);
    } catch (const GameError& error) {
        logFailure("reportEvent", error);
    }
}

std::string changeLevel(int n, std::chrono::milliseconds timeout)
{
    try {
        Connection connection = openConnection(false, timeout);
        sendRequest(connection, formatLine("GET /play.php?msg=n&username=%s&password=%s&n=%d%s HTTP/1.0",
                                           user().c_str(), password().c_str(), n, install().c_str()));
        return readToClose(*connection.client);
    } catch (const GameError& error) {
        logFailure("changeLevel", error);
        say("level change problem (socket)");
        return "";
    }
}
