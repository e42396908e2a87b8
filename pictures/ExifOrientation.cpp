#include "ExifOrientation.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace pictures {
namespace {

constexpr std::uint16_t OrientationTag = 0x0112;
constexpr std::uint16_t ShortType = 3;
constexpr std::size_t DirectoryEntrySize = 12;
constexpr unsigned char ExifSignature[] = {'E', 'x', 'i', 'f', 0, 0};

// Reads 16- and 32-bit values of one byte order at offsets into a byte range; a value that does
// not lie wholly inside it is absent.
class TiffBytes {
public:
    TiffBytes(std::span<const unsigned char> bytes, bool bigEndian)
        : bytes_(bytes), bigEndian_(bigEndian) {}

    std::optional<std::uint32_t> value(std::uint64_t offset, int size) const
    {
        if (offset > bytes_.size() || bytes_.size() - offset < static_cast<std::uint64_t>(size))
            return std::nullopt;
        std::uint32_t result = 0;
        for (int i = 0; i < size; ++i) {
            const std::uint32_t byte = bytes_[offset + (bigEndian_ ? i : size - 1 - i)];
            result = result << 8 | byte;
        }
        return result;
    }
    std::optional<std::uint32_t> uint16(std::uint64_t offset) const { return value(offset, 2); }
    std::optional<std::uint32_t> uint32(std::uint64_t offset) const { return value(offset, 4); }

private:
    std::span<const unsigned char> bytes_;
    bool bigEndian_;
};

std::optional<int> orientationIn(std::span<const unsigned char> tiff)
{
    if (tiff.size() < 8 || tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M'))
        return std::nullopt;
    const TiffBytes bytes(tiff, tiff[0] == 'M');
    if (bytes.uint16(2) != 42u)
        return std::nullopt;
    const auto directory = bytes.uint32(4);
    const auto entries = directory ? bytes.uint16(*directory) : std::nullopt;
    if (!entries)
        return std::nullopt;
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const std::uint64_t entry = *directory + 2 + std::uint64_t{i} * DirectoryEntrySize;
        const auto tag = bytes.uint16(entry);
        if (!tag)
            return std::nullopt;
        if (*tag != OrientationTag)
            continue;
        // One SHORT, kept in the first two bytes of the entry's value field.
        if (bytes.uint16(entry + 2) != ShortType || bytes.uint32(entry + 4) != 1u)
            return std::nullopt;
        const auto orientation = bytes.uint16(entry + 8);
        if (!orientation || *orientation < 1 || *orientation > 8)
            return std::nullopt;
        return static_cast<int>(*orientation);
    }
    return std::nullopt;
}

} // namespace

bool isExif(std::span<const unsigned char> app1)
{
    return app1.size() >= sizeof ExifSignature
        && std::equal(ExifSignature, ExifSignature + sizeof ExifSignature, app1.begin());
}

int exifOrientation(std::span<const unsigned char> app1)
{
    if (!isExif(app1))
        return Upright;
    return orientationIn(app1.subspan(sizeof ExifSignature)).value_or(Upright);
}

} // namespace pictures
