#include "SystemText.h"

namespace platform {

std::string trimSystemText(std::string text)
{
    while (!text.empty()) {
        const unsigned char last = static_cast<unsigned char>(text.back());
        if (last != ' ' && last != '.' && last >= 0x20 && last != 0x7f)
            break;
        text.pop_back();
    }
    return text;
}

} // namespace platform
