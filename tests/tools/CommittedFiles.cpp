#include "CommittedFiles.h"

#include <fstream>
#include <iterator>

namespace committed {
namespace {

PhotographFile photograph(int folder, int item)
{
    const std::string folderName = std::to_string(folder);
    const std::string file = std::to_string(item) + ".jpg";
    return {folder, item, "obr/" + folderName + "/" + file, "obr\\" + folderName + "\\" + file};
}

} // namespace

const std::vector<PhotographFile>& photographs()
{
    static const std::vector<PhotographFile> files = [] {
        std::vector<PhotographFile> list;
        for (int item = 0; item <= 11; ++item)
            list.push_back(photograph(0, item));
        for (const int item : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12})
            list.push_back(photograph(2, item));
        return list;
    }();
    return files;
}

const std::vector<std::string>& artworkFiles()
{
    static const std::vector<std::string> files{"assets/background.jpg", "assets/intro.jpg",
                                                "assets/wedge.bmp", "assets/zorvenka.ico"};
    return files;
}

std::string root()
{
    return ZORVENKA_SOURCE_DIR;
}

Bytes read(const std::string& relativePath)
{
    std::ifstream file(root() + "/" + relativePath, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace committed
