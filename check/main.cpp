// zorvenka-check [FOLDER]: tells, before a class sees an error box, which of the quiz's
// photographs will show and which will not, in the folder the quiz is started in.
#include "PhotographCheck.h"

#include "pictures/PictureSupport.h"

#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::cerr << "usage: zorvenka-check [FOLDER]\n"
                     "Checks the photographs in FOLDER/obr (or ./obr) as the quiz reads them.\n";
        return 2;
    }
    if (argc == 2) {
        std::error_code error;
        std::filesystem::current_path(argv[1], error);
        if (error) {
            std::cerr << "zorvenka-check: " << argv[1] << ": " << error.message() << '\n';
            return 2;
        }
    }
    // Decoded as on a true-colour display, the quiz's case wherever it runs today.
    pictures::setUpPictureSupport(32);
    return check::checkPhotographs(std::cout) ? 0 : 1;
}
