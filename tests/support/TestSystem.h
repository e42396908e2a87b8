#pragma once

#include <string>
#include <vector>

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

// Closes a folder to listing, and to entering too unless mayEnter, as a school's shared folder
// may be; false where the system keeps no such modes for its folders (Windows). openFolder
// gives every right back, so the folder can be removed.
bool closeFolder(const std::string& folder, bool mayEnter);
void openFolder(const std::string& folder);

// The words that run a program as an ordinary user, whom closed folders stop (a superuser they
// do not): none where the tests run as one already.
std::vector<std::string> asOrdinaryUser();

// Memory the process holds now, after freed blocks kept by the allocator went back.
long residentKiB();

// Sets the process's peak resident size back to what it holds now, so that the next reading
// gives the peak of one step; false where the system cannot do that.
bool resetPeakResident();
long peakResidentKiB();

} // namespace testsystem
