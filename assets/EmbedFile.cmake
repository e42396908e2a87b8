# cmake -DINPUT=<file> -DOUTPUT=<source> -DFUNCTION=<name> [-DCOUNTED=ON] -P EmbedFile.cmake
#
# Writes a C++ source defining assets::<FUNCTION>() from assets/Artwork.h, returning the
# file's bytes. With COUNTED the bytes are preceded by their number as a 32-bit little-endian
# count, the way the windows store their pictures.
file(READ "${INPUT}" hex HEX)
file(SIZE "${INPUT}" size)

set(prefix "")
if(COUNTED)
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(APPEND prefix "${byte},")
  endforeach()
endif()

# Sixteen bytes to a line (CMake's expressions have no repeat counts, so the pattern is spelt out).
string(REPEAT "[0-9a-f][0-9a-f]" 16 line)
string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(name "${INPUT}" NAME)

file(WRITE "${OUTPUT}.tmp" "// Generated from assets/${name} at build time; do not edit.
#include \"assets/Artwork.h\"

namespace assets {

std::span<const unsigned char> ${FUNCTION}()
{
    static const unsigned char bytes[] = {
${prefix}
${bytes}
    };
    return bytes;
}

} // namespace assets
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
