// Log-on, question and answer tunnelled through a real tinyproxy with CONNECT.
#include <gtest/gtest.h>

#include <cstring>

#include "net/Question.h"
#include "net/RecordingServer.h"
#include "net/Server.h"
#include "net/TinyProxy.h"
#include "shell/Config.h"
#include "platform/StateReset.h"

TEST(ProxyTest, EveryRequestPassesThroughTheTunnel)
{
    resetRegisteredState();
    RecordingServer server([](const std::string& request) {
        std::string body = request.find("msg=p") != std::string::npos ? "3QZ01Cor do ceu?\tazul\tverde\n"
                                                                      : "1\tcerto\n";
        return "HTTP/1.0 200 OK\r\n\r\n" + body;
    });
    TinyProxy proxy(server.port());
    ASSERT_TRUE(proxy.started());
    GproxyInternet = true;
    GproxyIP = "127.0.0.1";
    GproxyPort = proxy.port();
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server.port());
    std::strcpy(GUser.usuario, "bia");
    std::strcpy(GUser.senha, "x");

    EXPECT_NE(loginServer().find("1\tcerto"), std::string::npos);
    const Question question = askQuestion(-1);
    EXPECT_EQ(question.fields.size(), 2u);
    EXPECT_EQ(question.id, "QZ01");
    EXPECT_EQ(sayAnswer(question, "1").at(0), "1");

    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2], "GET /play.php?msg=r&username=bia&password=x&id=QZ01&resposta=1 HTTP/1.0\n"
                           "Host: 127.0.0.1\n\n");
    std::string log = proxy.log();
    std::string tunnel = "CONNECT 127.0.0.1:" + std::to_string(server.port());
    int tunnels = 0;
    for (size_t at = log.find(tunnel); at != std::string::npos; at = log.find(tunnel, at + 1))
        ++tunnels;
    EXPECT_EQ(tunnels, 3) << log;
    resetRegisteredState();
}
