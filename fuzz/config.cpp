// Fuzzes the reading of config.xml: the element reader and the settings it fills.
#include <cstdint>
#include <string>

#include "InputFile.h"
#include "platform/LogFile.h"
#include "shell/Config.h"
#include "shell/XmlElements.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GLog.setpath("/dev/null");
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const XmlElement& element : readXmlElements(text))
        element.attribute("x");
    Gconfig = SConfig();
    GUser = Usuario();
    readConfig(inputFile(data, size).c_str());
    // The reader promises a usable window whatever the file says.
    if (Gconfig.res_x < 690)
        __builtin_trap();
    return 0;
}
