// The game's settings, read once at start-up from config.xml.
#include "shell/Config.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/LogFile.h"
#include "platform/StateReset.h"
#include "shell/XmlElements.h"

SConfig Gconfig;
Usuario GUser;
bool GproxyInternet = false;
irr::core::stringc GproxyIP;
int GproxyPort = 0;
bool GcheatTests = false;

namespace {

const bool configResetRegistered = registerReset(resetConfig);

// Flags are true only for the exact lower-case text "true".
void readFlag(const XmlElement& element, const char* name, bool& flag)
{
    if (const char* value = element.attribute(name))
        flag = std::strcmp(value, "true") == 0;
}

void readNumber(const XmlElement& element, const char* name, int& number)
{
    // Leading digits, as atoi reads them, held to the range of an int.
    if (const char* value = element.attribute(name))
        number = static_cast<int>(std::clamp<long>(std::strtol(value, nullptr, 10), INT_MIN, INT_MAX));
}

template <size_t N>
void readText(const XmlElement& element, const char* name, char (&field)[N])
{
    if (const char* value = element.attribute(name))
        std::snprintf(field, N, "%s", value);
}

void readProxy(const XmlElement& element)
{
    readFlag(element, "active", GproxyInternet);
    if (const char* ip = element.attribute("ip"))
        GproxyIP = ip;
    readNumber(element, "port", GproxyPort);
    Gconfig.port_proxy = GproxyPort;
}

void readUser(const XmlElement& element)
{
    readText(element, "username", GUser.usuario);
    readText(element, "password", GUser.senha);
    readText(element, "server", GUser.endereco);
}

void readParameters(const XmlElement& element)
{
    readFlag(element, "wireframe", Gconfig.wireframe);
    readFlag(element, "killall", Gconfig.killall);
    readFlag(element, "music", Gconfig.music);
    readFlag(element, "cheating", Gconfig.cheating);
    readNumber(element, "maxfps", Gconfig.maxfps);
    readFlag(element, "culling", Gconfig.culling);
}

void readScreenResolution(const XmlElement& element)
{
    readFlag(element, "fullscreen", Gconfig.fullscreen);
    readNumber(element, "x", Gconfig.res_x);
    readNumber(element, "y", Gconfig.res_y);
}

void readElement(const XmlElement& element)
{
    if (element.name == "proxy")
        readProxy(element);
    else if (element.name == "user")
        readUser(element);
    else if (element.name == "parameters")
        readParameters(element);
    else if (element.name == "screenresolution")
        readScreenResolution(element);
}

}

void resetConfig()
{
    Gconfig = SConfig();
    GUser = Usuario();
    GproxyInternet = false;
    GproxyIP = "";
    GproxyPort = 0;
    GcheatTests = false;
}

void readConfig(const char* path)
{
    GLog.writelf("readConfig");
    // Our own reader, not the engine's: the engine's reads past the end of a broken file.
    std::ifstream file(path, std::ios::binary);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        for (const XmlElement& element : readXmlElements(text.str()))
            readElement(element);
    }
    // A width of 689 or less, or none at all, gives the default 700 x 500 window.
    if (Gconfig.res_x <= 689) {
        Gconfig.res_x = 700;
        Gconfig.res_y = 500;
    }
}
