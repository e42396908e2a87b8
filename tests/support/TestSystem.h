#pragma once

#include <string>

// What the tests need to know of the operating system they run on: the system's own words for
// the ways a photograph fails to open, and the process's memory. One implementation per system
// (posix/, windows/).
namespace testsystem {

// The system's text, trimmed as the program shows it, for a file that does not exist, a folder
// where a file should be, and a file too large to read whole.
std::string missingFileText();
std::string folderInsteadOfFileText();
std::string fileTooLargeText();

// Whether the system's file names match without regard to capitals (Windows) or not.
bool namesIgnoreCase();

// Memory the process holds now, after freed blocks kept by the allocator went back.
long residentKiB();

// Sets the process's peak resident size back to what it holds now, so that the next reading
// gives the peak of one step; false where the system cannot do that.
bool resetPeakResident();
long peakResidentKiB();

} // namespace testsystem
