#pragma once

#include <cstdint>
#include <span>

namespace pictures {

// Reads little-endian values in order from a byte range. A read past the end raises
// platform::StreamReadError.
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::span<const unsigned char> read(std::size_t count);
    std::uint16_t readUint16();
    std::uint32_t readUint32();
    std::size_t remaining() const { return bytes_.size() - position_; }

private:
    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

// The little-endian values at the start of a byte range that is long enough for them.
std::uint16_t uint16At(std::span<const unsigned char> bytes, std::size_t offset);
std::uint32_t uint32At(std::span<const unsigned char> bytes, std::size_t offset);

} // namespace pictures
