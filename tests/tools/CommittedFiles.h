#pragma once

#include <string>
#include <vector>

// The generated files kept in the repository, by their paths relative to its root.
namespace committed {

using Bytes = std::vector<unsigned char>;

struct PhotographFile {
    int folder;
    int item;
    std::string path;        // "obr/0/7.jpg"
    std::string programPath; // as the quiz builds it: "obr\0\7.jpg"
};

// The twelve whole-plant photographs and the ten close-ups the quiz reads.
const std::vector<PhotographFile>& photographs();

// The artwork files in assets/.
const std::vector<std::string>& artworkFiles();

// The repository's root folder, and a file's bytes read from it.
std::string root();
Bytes read(const std::string& relativePath);

} // namespace committed
