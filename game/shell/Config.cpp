// The game's settings, read once at start-up from config.xml.
#include "shell/Config.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/Global.h"
#include "shell/LogFile.h"

namespace {

using Reader = irr::io::IrrXMLReader;

// Flags are true only for the exact lower-case text "true".
void readFlag(Reader* xml, const char* name, bool& flag)
{
    if (const char* value = xml->getAttributeValue(name))
        flag = std::strcmp(value, "true") == 0;
}

void readNumber(Reader* xml, const char* name, int& number)
{
    if (const char* value = xml->getAttributeValue(name))
        number = std::atoi(value);
}

template <size_t N>
void readText(Reader* xml, const char* name, char (&field)[N])
{
    if (const char* value = xml->getAttributeValue(name))
        std::snprintf(field, N, "%s", value);
}

void readProxy(Reader* xml)
{
    readFlag(xml, "active", GproxyInternet);
    if (const char* ip = xml->getAttributeValue("ip"))
        GproxyIP = ip;
    readNumber(xml, "port", GproxyPort);
    Gconfig.port_proxy = GproxyPort;
}

void readUser(Reader* xml)
{
    readText(xml, "username", GUser.usuario);
    readText(xml, "password", GUser.senha);
    readText(xml, "server", GUser.endereco);
}

void readParameters(Reader* xml)
{
    readFlag(xml, "wireframe", Gconfig.wireframe);
    readFlag(xml, "killall", Gconfig.killall);
    readFlag(xml, "music", Gconfig.music);
    readFlag(xml, "cheating", GcheatTests);
}

void readScreenResolution(Reader* xml)
{
    readFlag(xml, "fullscreen", Gconfig.fullscreen);
    readNumber(xml, "x", Gconfig.res_x);
    readNumber(xml, "y", Gconfig.res_y);
}

void readElement(Reader* xml)
{
    const char* name = xml->getNodeName();
    if (std::strcmp(name, "proxy") == 0)
        readProxy(xml);
    else if (std::strcmp(name, "user") == 0)
        readUser(xml);
    else if (std::strcmp(name, "parameters") == 0)
        readParameters(xml);
    else if (std::strcmp(name, "screenresolution") == 0)
        readScreenResolution(xml);
}

}

void readConfig(const char* path)
{
    GLog.writelf("readConfig");
    if (Reader* xml = irr::io::createIrrXMLReader(path)) {
        while (xml->read())
            if (xml->getNodeType() == irr::io::EXN_ELEMENT)
                readElement(xml);
        delete xml;
    }
    // A width of 689 or less, or none at all, gives the default 700 x 500 window.
    if (Gconfig.res_x <= 689) {
        Gconfig.res_x = 700;
        Gconfig.res_y = 500;
    }
}
