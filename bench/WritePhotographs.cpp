// Writes obr/0 and obr/2 with large photographs into a folder, for running the real program on
// them. Usage: write_photographs <folder> [width height]; 4000 × 3000 unless told.
#include "Photographs.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> [width height]\n", argv[0]);
        return 2;
    }
    const int width = argc == 4 ? std::atoi(argv[2]) : 4000;
    const int height = argc == 4 ? std::atoi(argv[3]) : 3000;
    try {
        benchphotos::writePhotographFolders(argv[1], width, height);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
