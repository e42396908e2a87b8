#pragma once

#include <string>

namespace platform {

// The name of the running program's file without its folder ("zorvenka").
std::string programFileName();

} // namespace platform
