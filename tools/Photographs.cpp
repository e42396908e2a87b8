#include "Photographs.h"

#include "Plate.h"
#include "Grasses.h"

namespace artwork {
namespace {

constexpr QSize Upright(1200, 1600);
constexpr QSize UprightMedium(900, 1200);
constexpr QSize UprightSmall(330, 440);
constexpr QSize UprightTiny(300, 400);
constexpr QSize Across(1600, 1200);
constexpr QSize AcrossMedium(1200, 900);
constexpr QSize AcrossSmall(400, 300);
constexpr QSize AcrossTiny(280, 210);

} // namespace

QString Photograph::path() const
{
    return QStringLiteral("obr/%1/%2.jpg").arg(folder).arg(item);
}

QImage Photograph::draw() const
{
    const Species& species = allSpecies()[static_cast<std::size_t>(item)];
    const std::uint64_t seed = 0x2A7E0000u + static_cast<std::uint64_t>(folder * 100 + item);
    return folder == 0 ? wholePlantPlate(species, size, seed) : floweringHeadPlate(species, size, seed);
}

const std::vector<Photograph>& allPhotographs()
{
    static const std::vector<Photograph> photographs{
        {0, 0, Upright}, {0, 1, UprightMedium}, {0, 2, Upright}, {0, 3, UprightSmall},
        {0, 4, Upright}, {0, 5, Upright}, {0, 6, UprightMedium}, {0, 7, UprightTiny},
        {0, 8, Upright}, {0, 9, UprightMedium}, {0, 10, Upright}, {0, 11, UprightSmall},
        {2, 0, Across}, {2, 1, AcrossMedium}, {2, 2, Across}, {2, 3, AcrossTiny},
        {2, 5, Across}, {2, 6, AcrossMedium}, {2, 8, Across}, {2, 9, AcrossSmall},
        {2, 11, Across}, {2, 12, AcrossMedium},
    };
    return photographs;
}

} // namespace artwork
