#include "VirtualDesktop.h"

#include "ui/Program.h"

#include <QApplication>

#include <gtest/gtest.h>

// The windows run on the X11 platform against a virtual screen and window manager of their own,
// so that activation and focus come from the window manager as on a user's desktop.
int main(int argc, char* argv[])
{
    VirtualDesktop desktop(ZORVENKA_SOURCE_DIR "/tests/e2e/openbox.xml");
    ui::setUpScaling();
    QApplication toolkit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
