#include "ProgramRun.h"

#include "tests/support/ProgramDriver.h"

#include "ui/QuizWindow.h"
#include "ui/framework/Application.h"

#include "quiz/GrassTables.h"
#include "tools/JpegWriter.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

void ProgramRun::SetUp()
{
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() / ("zorvenka-ui-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy(fs::path(ZORVENKA_SOURCE_DIR) / "obr", folder_ / "obr", fs::copy_options::recursive);
    fs::current_path(folder_);
    ui::quizState = {};
}

void ProgramRun::TearDown()
{
    fs::current_path(previous_);
    fs::remove_all(folder_);
}

fs::path ProgramRun::photograph(int folder, int item) const
{
    return folder_ / "obr" / std::to_string(folder) / (std::to_string(item) + ".jpg");
}

void ProgramRun::writeFlatPhotograph(int folder, int item, QSize size, QColor colour) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const std::vector<unsigned char> jpeg = jpegwriter::encode(image, {.quality = 100});
    std::ofstream file(photograph(folder, item), std::ios::binary);
    file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
    ASSERT_TRUE(file.good());
}

int ProgramRun::run(const std::function<void()>& script)
{
    const auto guardedScript = [&script] {
        script();
        // A fatal assertion returns from the script half-way, leaving the program waiting for
        // a user: ending it makes the test fail instead of hang.
        if (HasFatalFailure())
            ui::Application::instance().terminate();
    };
    const auto recordErrorBox = [this](const std::string& title, const std::string& text) {
        errorBoxes.push_back({title, text});
        if (onErrorBox)
            onErrorBox();
    };
    return programdriver::runScripted(guardedScript, recordErrorBox);
}

void ProgramRun::answer(bool right)
{
    const std::string name(quiz::SpeciesNames[static_cast<std::size_t>(ui::quizState.currentItem)]);
    const QString text = right ? QString::fromStdString(name) : QStringLiteral("Tráva");
    if (ui::quizWindow->typedAnswer->isVisible())
        ui::quizWindow->typedAnswer->setText(text);
    else
        ui::quizWindow->pickedAnswer->setCurrentIndex(ui::quizWindow->pickedAnswer->findText(text));
    pressEnter();
}

void ProgramRun::pressEnter()
{
    QWidget* target = ui::quizWindow->typedAnswer->isVisible() ? static_cast<QWidget*>(ui::quizWindow->typedAnswer)
                                                    : ui::quizWindow->pickedAnswer;
    QTest::keyClick(target, Qt::Key_Return);
}

// The first tick of the quiz window's timer ends the intro; tests do not wait five seconds.
void ProgramRun::endIntro()
{
    EXPECT_TRUE(programdriver::endIntro());
}
