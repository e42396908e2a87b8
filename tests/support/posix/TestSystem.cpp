#include "tests/support/TestSystem.h"

#include <filesystem>
#include <fstream>

#include <malloc.h>
#include <unistd.h>

namespace testsystem {

std::string missingFileText() { return "No such file or directory"; }
std::string folderInsteadOfFileText() { return "Is a directory"; }
std::string fileTooLargeText() { return "File too large"; }
bool namesIgnoreCase() { return false; }

bool closeFolder(const std::string& folder, bool mayEnter)
{
    namespace fs = std::filesystem;
    const fs::perms enter = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    std::error_code error;
    fs::permissions(folder, mayEnter ? enter : fs::perms::none, error);
    return !error;
}

void openFolder(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
}

std::vector<std::string> asOrdinaryUser()
{
    if (::geteuid() != 0)
        return {};
    return {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"};
}

long residentKiB()
{
    ::malloc_trim(0);
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

bool resetPeakResident()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5" << std::flush;
    return static_cast<bool>(clearRefs);
}

long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;) {
        if (field == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

} // namespace testsystem
