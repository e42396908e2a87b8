#include "pictures/PictureSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

// One application for the whole test program, the picture support set up as the program
// does at start-up on a true-colour display.
class ToolsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tools_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        pictures::setUpPictureSupport(32);
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ToolsEnvironment);

} // namespace
