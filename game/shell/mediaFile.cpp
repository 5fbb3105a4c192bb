// Media paths resolved on the disk as the engine needs them.
#include "shell/mediaFile.h"

#include "platform/nativepath.h"
#include "platform/StateReset.h"

irr::core::stringc Gexepath;

namespace {

const bool folderResetRegistered = registerReset([] { Gexepath = ""; });

}

irr::core::stringc mediaFile(const char* name)
{
    return nativePath((Gexepath + name).c_str()).c_str();
}
