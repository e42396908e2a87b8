#include "ui/Program.h"

#include "platform/Memory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::returnLargeBlocksToTheSystem();
    ui::setUpScaling();
    QApplication toolkit(argc, argv);
    return ui::runProgram();
}
