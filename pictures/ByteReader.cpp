#include "ByteReader.h"

#include "platform/Errors.h"

namespace pictures {

std::span<const unsigned char> ByteReader::read(std::size_t count)
{
    if (count > remaining())
        throw platform::StreamReadError();
    const auto part = bytes_.subspan(position_, count);
    position_ += count;
    return part;
}

std::uint16_t ByteReader::readUint16()
{
    return uint16At(read(2), 0);
}

std::uint32_t ByteReader::readUint32()
{
    return uint32At(read(4), 0);
}

std::uint16_t uint16At(std::span<const unsigned char> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t uint32At(std::span<const unsigned char> bytes, std::size_t offset)
{
    return std::uint32_t{uint16At(bytes, offset)} | std::uint32_t{uint16At(bytes, offset + 2)} << 16;
}

} // namespace pictures
