#include "ui/Program.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the cases at build time, where there may be no display to open.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    ui::setUpScaling();
    QApplication toolkit(argc, argv);
    return RUN_ALL_TESTS();
}
