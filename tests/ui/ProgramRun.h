#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QRect>

#include <ostream>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Readable failures for geometry.
inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}
inline void PrintTo(const QSize& size, std::ostream* out)
{
    *out << "QSize(" << size.width() << ", " << size.height() << ")";
}
inline void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "QPoint(" << point.x() << ", " << point.y() << ")";
}

// Runs the whole program on the offscreen platform in a folder of its own with a copy of the
// photographs, the error box replaced by a recorder. The script runs once the start page's
// modal loop is up, and must end the program (or leave an end requested); a fatal assertion in
// it ends the program.
class ProgramRun : public ::testing::Test {
public:
    // Answers the question on display, right or wrong, at the level the quiz window shows.
    void answer(bool right);

protected:
    struct ErrorBox {
        std::string title;
        std::string text;
    };

    void SetUp() override;
    void TearDown() override;

    int run(const std::function<void()>& script);
    std::filesystem::path photograph(int folder, int item) const;
    // Replaces a photograph by one flat colour, so that tests can tell by a pixel what shows.
    void writeFlatPhotograph(int folder, int item, QSize size, QColor colour) const;

    void pressEnter();
    void endIntro();

    std::vector<ErrorBox> errorBoxes;
    std::function<void()> onErrorBox;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};
