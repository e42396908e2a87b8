// The whole program on the offscreen platform, with 12-megapixel photographs, each figure beside
// its baseline in the same process: a question change against two bare libjpeg decodes of the
// same files, the detail view against one plain paint of the decoded photograph at the screen's
// size, and repaints of the quiz window with large and small photographs.
#include "Photographs.h"

#include "pictures/JpegGraphic.h"
#include "pictures/Picture.h"
#include "pictures/PictureBox.h"
#include "pictures/Placement.h"
#include "tests/support/ProgramDriver.h"
#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QExposeEvent>
#include <QLoggingCategory>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <time.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int LargeWidth = 4000;
constexpr int LargeHeight = 3000;
constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;

double processCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Wall time, and the CPU time of the process (the window's thread and the workers that decode
// ahead), which the load of other processes on the machine does not inflate.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Timing elapsed() const
    {
        return {std::chrono::duration<double>(Clock::now() - wall_).count(), processCpuSeconds() - cpu_};
    }

private:
    Clock::time_point wall_ = Clock::now();
    double cpu_ = processCpuSeconds();
};

// Hands the wall time to the iteration and adds up the CPU time for the "cpu_ms" counter.
class IterationTimes {
public:
    explicit IterationTimes(benchmark::State& state) : state_(state) {}
    ~IterationTimes()
    {
        state_.counters["cpu_ms"] = benchmark::Counter(cpu_ * 1000, benchmark::Counter::kAvgIterations);
    }
    IterationTimes(const IterationTimes&) = delete;
    IterationTimes& operator=(const IterationTimes&) = delete;

    void add(const Timing& timing)
    {
        state_.SetIterationTime(timing.wall);
        cpu_ += timing.cpu;
    }

private:
    benchmark::State& state_;
    double cpu_ = 0;
};

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "program_bench: %s\n", why.c_str());
    std::abort();
}

// A stuck program ends the run instead of hanging it.
void processEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 60000)
            fail("the program did not get there within a minute");
        QCoreApplication::processEvents();
    }
}

// Lets pending work (loads, paints, decodes) finish outside the timed part.
void settle()
{
    int decodes = -1;
    int quietPasses = 0;
    while (quietPasses < 3) {
        QCoreApplication::processEvents();
        quietPasses = pictures::JpegGraphic::decodeCount() == decodes ? quietPasses + 1 : 0;
        decodes = pictures::JpegGraphic::decodeCount();
    }
}

// The question shows the photographs whose boxes are shown.
int photographsShown()
{
    return int{ui::quizWindow->plantPhoto->isVisible()} + int{ui::quizWindow->headPhoto->isVisible()};
}

// The quiz window's button: OK with no answer shows the correction, then it goes on.
void clickQuizButton()
{
    QTest::mouseClick(ui::quizWindow->answerButton, Qt::LeftButton);
}

// "OK" on the level choice; from the result screen "Znovu" first.
void startRound()
{
    if (ui::startPageWindow->resultPanel->isVisible())
        QTest::mouseClick(ui::startPageWindow->againButton, Qt::LeftButton);
    QTest::mouseClick(ui::startPageWindow->startButton, Qt::LeftButton);
    settle();
}

void endIntro()
{
    if (!programdriver::endIntro(60000))
        fail("the intro did not end within a minute");
    settle();
}

// Leaves the answer empty, which shows the correction, and times the change to the next
// question that the next click makes, from the click to the window painted with the new
// photographs. Nothing when the round ended instead or the new question shows fewer than two
// photographs.
std::optional<Timing> changeQuestion()
{
    if (!ui::quizWindow->isVisible())
        startRound();
    clickQuizButton();
    settle();
    const int decodesBefore = pictures::JpegGraphic::decodeCount();
    const Stopwatch stopwatch;
    clickQuizButton();
    if (!ui::quizWindow->isVisible()) {
        settle();
        return std::nullopt;
    }
    const int photographs = photographsShown();
    processEventsUntil([&] { return pictures::JpegGraphic::decodeCount() == decodesBefore + photographs; });
    const Timing timing = stopwatch.elapsed();
    settle();
    if (photographs < 2)
        return std::nullopt;
    return timing;
}

Timing changeToQuestionWithTwoPhotographs()
{
    for (;;) {
        if (const auto timing = changeQuestion())
            return *timing;
    }
}

// A question with both 12-megapixel photographs painted, also after another benchmark showed
// small ones in their place.
void showLargePhotographs()
{
    if (!ui::quizWindow->isVisible() || photographsShown() < 2
        || ui::quizWindow->plantPhoto->picture().width() != LargeWidth)
        changeToQuestionWithTwoPhotographs();
}

const QImage& decodedImageOf(const pictures::PictureBox& box)
{
    const auto* graphic = dynamic_cast<const pictures::JpegGraphic*>(box.picture().graphic());
    if (!graphic || !graphic->decoded())
        fail("the photograph box holds no decoded JPEG");
    return graphic->decoded()->image();
}

void QuestionChange(benchmark::State& state)
{
    IterationTimes times(state);
    for (auto _ : state)
        times.add(changeToQuestionWithTwoPhotographs());
}

void TwoBareDecodes(benchmark::State& state)
{
    const benchphotos::Bytes first = benchphotos::readFile("obr/0/0.jpg");
    const benchphotos::Bytes second = benchphotos::readFile("obr/2/0.jpg");
    const std::size_t size = std::size_t{LargeWidth} * LargeHeight * 4;
    IterationTimes times(state);
    for (auto _ : state) {
        const Stopwatch stopwatch;
        auto* firstPixels = static_cast<unsigned char*>(std::malloc(size));
        auto* secondPixels = static_cast<unsigned char*>(std::malloc(size));
        benchphotos::decodeBare(first, firstPixels);
        benchphotos::decodeBare(second, secondPixels);
        benchmark::DoNotOptimize(firstPixels);
        benchmark::DoNotOptimize(secondPixels);
        times.add(stopwatch.elapsed());
        std::free(firstPixels);
        std::free(secondPixels);
    }
}

// Counts the paints of a widget; a paint has finished when the event loop returns after it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// From the click on the shown photograph to the detail view painted; the return to the quiz
// is not timed.
void DetailView(benchmark::State& state)
{
    showLargePhotographs();
    PaintCounter painted(ui::startPageWindow->detailPhoto);
    const int decodesBefore = pictures::JpegGraphic::decodeCount();
    IterationTimes times(state);
    for (auto _ : state) {
        const int paintsBefore = painted.count;
        const Stopwatch stopwatch;
        QTest::mouseClick(ui::quizWindow->plantPhoto, Qt::LeftButton);
        processEventsUntil([&] { return painted.count > paintsBefore; });
        times.add(stopwatch.elapsed());
        settle();
        QTest::mouseClick(ui::startPageWindow->detailPhoto, Qt::LeftButton);
        settle();
    }
    state.counters["decodes"] = pictures::JpegGraphic::decodeCount() - decodesBefore;
    const QSize box = ui::startPageWindow->detailPhoto->size();
    state.SetLabel(std::to_string(box.width()) + "x" + std::to_string(box.height()) + " box");
}

void PaintIntoPlainImage(benchmark::State& state)
{
    showLargePhotographs();
    const QImage& photograph = decodedImageOf(*ui::quizWindow->plantPhoto);
    QImage canvas(ScreenWidth, ScreenHeight, QImage::Format_ARGB32_Premultiplied);
    const QRect rect = pictures::destinationRect(photograph.size(), canvas.size(),
                                                 {.center = true, .proportional = true});
    IterationTimes times(state);
    for (auto _ : state) {
        const Stopwatch stopwatch;
        QPainter painter(&canvas);
        painter.drawImage(rect, photograph);
        painter.end();
        times.add(stopwatch.elapsed());
    }
}

// The question's 12-megapixel photographs (range 1), or VGA ones in the same boxes (range 0).
void showPhotographsOfSize(const benchmark::State& state)
{
    showLargePhotographs();
    if (state.range(0) == 0) {
        ui::quizWindow->plantPhoto->picture().loadFromFile(fs::absolute("small/0.jpg").string());
        ui::quizWindow->headPhoto->picture().loadFromFile(fs::absolute("small/2.jpg").string());
        settle();
    }
}

// Both photograph boxes painted anew through the window's backing store, as when something
// covering them goes away.
void PhotographRepaint(benchmark::State& state)
{
    showPhotographsOfSize(state);
    PaintCounter painted(ui::quizWindow->plantPhoto);
    const int decodesBefore = pictures::JpegGraphic::decodeCount();
    for (auto _ : state) {
        ui::quizWindow->plantPhoto->repaint();
        ui::quizWindow->headPhoto->repaint();
    }
    state.counters["decodes"] = pictures::JpegGraphic::decodeCount() - decodesBefore;
    state.counters["paints"] = benchmark::Counter(painted.count, benchmark::Counter::kAvgIterations);
}

// The whole quiz window exposed again, as the window system reports it.
void QuizWindowExposed(benchmark::State& state)
{
    showPhotographsOfSize(state);
    PaintCounter painted(ui::quizWindow->plantPhoto);
    const int decodesBefore = pictures::JpegGraphic::decodeCount();
    for (auto _ : state) {
        QExposeEvent exposed(QRegion(ui::quizWindow->rect()));
        QCoreApplication::sendEvent(ui::quizWindow->windowHandle(), &exposed);
    }
    state.counters["decodes"] = pictures::JpegGraphic::decodeCount() - decodesBefore;
    state.counters["paints"] = benchmark::Counter(painted.count, benchmark::Counter::kAvgIterations);
}

BENCHMARK(QuestionChange)->UseManualTime()->MinTime(1.5)->Unit(benchmark::kMillisecond);
BENCHMARK(TwoBareDecodes)->UseManualTime()->MinTime(1.5)->Unit(benchmark::kMillisecond);
BENCHMARK(DetailView)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PaintIntoPlainImage)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PhotographRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuizWindowExposed)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A folder of its own with the photographs and a 1920 × 1080 offscreen screen, as the working
// directory of the run.
class BenchFolder {
public:
    BenchFolder() : previous_(fs::current_path())
    {
        folder_ = fs::temp_directory_path() / ("zorvenka-bench-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "small");
        benchphotos::writePhotographFolders(folder_, LargeWidth, LargeHeight);
        benchphotos::writeFile(folder_ / "small" / "0.jpg", benchphotos::makePhotograph(640, 480, 12345));
        benchphotos::writeFile(folder_ / "small" / "2.jpg", benchphotos::makePhotograph(640, 480, 67890));
        std::ofstream(folder_ / "screen.json")
            << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": )" << ScreenWidth
            << R"(, "height": )" << ScreenHeight << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        fs::current_path(folder_);
    }
    ~BenchFolder()
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::string platform() const { return "offscreen:configfile=" + (folder_ / "screen.json").string(); }

private:
    fs::path previous_;
    fs::path folder_;
};

} // namespace

int main(int argc, char* argv[])
{
    const BenchFolder folder;
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(folder.platform()));
    QApplication toolkit(argc, argv);
    // The offscreen platform warns each time it cannot raise a window; that is no news here.
    QLoggingCategory::setFilterRules("default.warning=false");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const auto benchmarks = [] {
        startRound();
        endIntro();
        benchmark::RunSpecifiedBenchmarks();
        ui::Application::instance().terminate();
    };
    const int status = programdriver::runScripted(
        benchmarks, [](const std::string&, const std::string& text) { fail("error box: " + text); });
    benchmark::Shutdown();
    return status;
}
