#include "platform/ProgramFile.h"

#include <filesystem>

namespace platform {

std::string programFileName()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("zorvenka") : self.filename().string();
}

} // namespace platform
