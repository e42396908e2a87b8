#include "ui/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication toolkit(argc, argv);
    return ui::runProgram();
}
