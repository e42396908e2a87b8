#include "platform/SystemText.h"

#include <cstring>

namespace platform {

std::string systemErrorText(int errorCode)
{
    return trimSystemText(std::strerror(errorCode));
}

} // namespace platform
