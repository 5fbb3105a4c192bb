// Media paths resolved on the disk as the engine needs them.
#include "shell/mediaFile.h"

#include "platform/nativepath.h"
#include "shell/Global.h"

irr::core::stringc mediaFile(const char* name)
{
    return nativePath((Gexepath + name).c_str()).c_str();
}
