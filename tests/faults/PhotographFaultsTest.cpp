// Photographs that go bad while a round runs, on the real windows: each fault gives its error
// box with the exact text, the question is left as far as it got before the failed load, and
// once the photographs are back the quiz goes on.
#include "tests/support/TestSystem.h"
#include "tests/ui/ProgramRun.h"

#include "pictures/PictureBox.h"
#include "quiz/GrassTables.h"
#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/widgets/Label.h"

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

#include <sys/stat.h>

namespace fs = std::filesystem;
using ui::quizWindow;
using ui::startPageWindow;

namespace {

struct Fault {
    const char* name;
    std::function<void(const fs::path&)> apply;
    // The error box text for the photograph at the path, or "" for none.
    std::function<std::string(const fs::path&)> boxText;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

std::string cannotOpen(const fs::path& path, const std::string& reason)
{
    return "Cannot open file \"" + path.string() + "\". " + reason + ".";
}

void replaceByText(const fs::path& path, const std::string& text)
{
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << text;
}

class PhotographFaults : public ProgramRun {
protected:
    void SetUp() override
    {
        ProgramRun::SetUp();
        const fs::path original = fs::path(ZORVENKA_SOURCE_DIR) / "obr";
        forEachLaterPhotograph([&](int folder, int item) {
            originals_.push_back({photograph(folder, item),
                                  original / std::to_string(folder) / (std::to_string(item) + ".jpg")});
        });
    }

    // Item 0 is loaded at start-up and at each new round; every other photograph is one the
    // next question may load.
    template <typename Visit>
    static void forEachLaterPhotograph(Visit visit)
    {
        for (int item = 1; item < quiz::ItemCount; ++item) {
            if (quiz::HasPlantPhoto[static_cast<std::size_t>(item)])
                visit(0, item);
            if (quiz::HasHeadPhoto[static_cast<std::size_t>(item)])
                visit(2, item);
        }
    }

    void breakLaterPhotographs(const Fault& fault)
    {
        for (const auto& [path, original] : originals_)
            fault.apply(path);
    }

    void restoreLaterPhotographs()
    {
        for (const auto& [path, original] : originals_) {
            fs::remove_all(path);
            fs::copy_file(original, path);
        }
    }

    // The photograph that showing the item loads first.
    fs::path firstLoadOf(int item) const
    {
        return photograph(quiz::HasPlantPhoto[static_cast<std::size_t>(item)] ? 0 : 2, item);
    }

    void startQuiz()
    {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
    }

    // Draws the quiz window as the screen would and lets any reports of a failed drawing in.
    void paintQuizWindow()
    {
        quizWindow->grab();
        QTest::qWait(20);
    }

private:
    std::vector<std::pair<fs::path, fs::path>> originals_;
};

class EachFault : public PhotographFaults, public ::testing::WithParamInterface<Fault> {};

TEST_P(EachFault, FailsTheLoadWithItsTextAndTheQuizGoesOnOnceItIsMended)
{
    run([&] {
        startQuiz();
        const pictures::Graphic* shown0 = quizWindow->plantPhoto->picture().graphic();
        const pictures::Graphic* shown2 = quizWindow->headPhoto->picture().graphic();
        breakLaterPhotographs(GetParam());

        answer(true);
        const int item = ui::quizState.currentItem;
        const bool inFolder0 = quiz::HasPlantPhoto[static_cast<std::size_t>(item)];
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_EQ(errorBoxes[0].text, GetParam().boxText(firstLoadOf(item)));
        // The next question was prepared up to the failed load, which changed nothing.
        EXPECT_EQ(ui::quizState.questionNumber, 2);
        EXPECT_EQ(quizWindow->questionNumber->text(), "2. ");
        EXPECT_EQ(quizWindow->answerButton->text(), "OK");
        EXPECT_TRUE(quizWindow->pickedAnswer->isEnabled());
        EXPECT_EQ(quizWindow->plantPhoto->isVisibleTo(quizWindow), inFolder0);
        EXPECT_EQ(quizWindow->headPhoto->isVisibleTo(quizWindow), !inFolder0);
        EXPECT_EQ(quizWindow->plantPhoto->picture().graphic(), shown0);
        EXPECT_EQ(quizWindow->headPhoto->picture().graphic(), shown2);
        paintQuizWindow();
        EXPECT_EQ(errorBoxes.size(), 1u);

        restoreLaterPhotographs();
        answer(true);
        EXPECT_EQ(ui::quizState.questionNumber, 3);
        const auto& loaded = inFolder0 || quiz::HasPlantPhoto[static_cast<std::size_t>(ui::quizState.currentItem)]
            ? quizWindow->plantPhoto->picture()
            : quizWindow->headPhoto->picture();
        EXPECT_GT(loaded.width(), 0);
        paintQuizWindow();
        EXPECT_EQ(errorBoxes.size(), 1u);
        quizWindow->close();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Photographs, EachFault,
    ::testing::Values(
        Fault{"Deleted", [](const fs::path& path) { fs::remove(path); },
              [](const fs::path& path) { return cannotOpen(path, testsystem::missingFileText()); }},
        Fault{"ReplacedByADirectory",
              [](const fs::path& path) {
                  fs::remove(path);
                  fs::create_directory(path);
              },
              [](const fs::path& path) { return cannotOpen(path, testsystem::folderInsteadOfFileText()); }},
#ifndef _WIN32 // Windows has neither FIFOs in its folders nor /dev/zero
        Fault{"ReplacedByAFifo",
              [](const fs::path& path) {
                  fs::remove(path);
                  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
              },
              [](const fs::path& path) { return cannotOpen(path, "Invalid argument"); }},
        Fault{"ReplacedByALinkToDevZero",
              [](const fs::path& path) {
                  fs::remove(path);
                  fs::create_symlink("/dev/zero", path);
              },
              [](const fs::path& path) { return cannotOpen(path, "Invalid argument"); }},
#endif
        Fault{"FourGigabytes", [](const fs::path& path) { fs::resize_file(path, std::uintmax_t{4} << 30); },
              [](const fs::path& path) { return cannotOpen(path, testsystem::fileTooLargeText()); }},
        Fault{"ReplacedByABmp",
              [](const fs::path& path) {
                  QImage image(8, 8, QImage::Format_RGB32);
                  image.fill(Qt::green);
                  ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
              },
              [](const fs::path&) { return std::string("JPEG error #53."); }},
        Fault{"ReplacedByText", [](const fs::path& path) { replaceByText(path, "Lipnice luční\n"); },
              [](const fs::path&) { return std::string("JPEG error #53."); }},
        Fault{"CutInItsHeader", [](const fs::path& path) { fs::resize_file(path, 30); },
              [](const fs::path&) { return std::string("JPEG error #51."); }}),
    [](const ::testing::TestParamInfo<Fault>& info) { return info.param.name; });

TEST_F(PhotographFaults, CutInTheMiddleShowsWhatIsThereWithoutABox)
{
    run([&] {
        startQuiz();
        breakLaterPhotographs({"", [](const fs::path& path) { fs::resize_file(path, fs::file_size(path) / 2); }, {}});
        for (int question = 2; question <= 4; ++question) {
            answer(question % 2 == 0);
            if (ui::quizState.questionNumber < question)
                answer(true); // goes on from the correction
            paintQuizWindow();
        }
        EXPECT_EQ(ui::quizState.questionNumber, 4);
        EXPECT_TRUE(errorBoxes.empty());
        quizWindow->close();
    });
}

TEST_F(PhotographFaults, MadeEmptyLoadsAndFailsOnceAtItsFirstDrawing)
{
    run([&] {
        startQuiz();
        breakLaterPhotographs({"", [](const fs::path& path) { fs::resize_file(path, 0); }, {}});
        answer(true);
        const auto item = static_cast<std::size_t>(ui::quizState.currentItem);
        const auto shownBoxes = static_cast<std::size_t>(quiz::HasPlantPhoto[item] + quiz::HasHeadPhoto[item]);
        EXPECT_TRUE(errorBoxes.empty()); // the load itself succeeds
        EXPECT_EQ(quizWindow->plantPhoto->isVisibleTo(quizWindow) ? quizWindow->plantPhoto->picture().width() : 0, 0);
        paintQuizWindow();
        ASSERT_EQ(errorBoxes.size(), shownBoxes);
        for (const auto& box : errorBoxes)
            EXPECT_EQ(box.text, "JPEG error #42.");
        paintQuizWindow(); // later drawings show nothing and raise nothing
        EXPECT_EQ(errorBoxes.size(), shownBoxes);

        restoreLaterPhotographs();
        answer(true);
        paintQuizWindow();
        EXPECT_EQ(ui::quizState.questionNumber, 3);
        EXPECT_EQ(errorBoxes.size(), shownBoxes);
        quizWindow->close();
    });
}

} // namespace
