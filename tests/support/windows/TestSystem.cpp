#include "tests/support/TestSystem.h"

#include "platform/SystemText.h"

#include <malloc.h>
#include <windows.h>
#include <psapi.h>

namespace testsystem {

// The words differ between Windows releases and languages (and Wine); the codes do not.
std::string missingFileText() { return platform::systemErrorText(ERROR_FILE_NOT_FOUND); }
std::string folderInsteadOfFileText() { return platform::systemErrorText(ERROR_ACCESS_DENIED); }
std::string fileTooLargeText() { return platform::systemErrorText(ERROR_FILE_TOO_LARGE); }
bool namesIgnoreCase() { return true; }

bool closeFolder(const std::string&, bool) { return false; }
void openFolder(const std::string&) {}
std::vector<std::string> asOrdinaryUser() { return {}; }

long residentKiB()
{
    ::_heapmin();
    PROCESS_MEMORY_COUNTERS counters {};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.WorkingSetSize / 1024);
}

// Windows keeps the peak working set for the process's whole life.
bool resetPeakResident() { return false; }

long peakResidentKiB()
{
    PROCESS_MEMORY_COUNTERS counters {};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
}

} // namespace testsystem
