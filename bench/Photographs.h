#pragma once

#include <filesystem>
#include <vector>

// Photographs for the benchmarks, made here so that no large files live in the repository.
namespace benchphotos {

using Bytes = std::vector<unsigned char>;

// A baseline JPEG with photograph-like detail: smooth gradients under fine pseudo-random grain.
// Different seeds give different pictures of the same size and cost.
Bytes makePhotograph(int width, int height, unsigned seed = 12345);

// Writes obr/0 and obr/2 under the folder with a photograph of the size for every item; each
// folder holds one picture under all item names (hard links), so the files cost little disk.
void writePhotographFolders(const std::filesystem::path& folder, int width, int height);

Bytes readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

// The decode the program's own is measured against: bare libjpeg calls with the parameters the
// program sets (scale 1/1, block smoothing, JCS_EXT_BGRX, rec_outbuf_height rows per read), rows
// into plain memory of width × height × 4 bytes.
void decodeBare(const Bytes& bytes, unsigned char* pixels);

} // namespace benchphotos
