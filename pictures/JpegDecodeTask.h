#pragma once

#include <QImage>

#include <condition_variable>
#include <exception>
#include <memory>

namespace pictures {

struct JpegData;

// One JPEG decode run on a worker of Qt's global thread pool, so that the photographs a window
// is about to show decode side by side before their first drawing. Its result (the image as far
// as the decode got, and the error that ended it, if any) is collected once, on the thread that
// started it. Whoever lets go of it last, the worker or the collector, frees it.
class JpegDecodeTask {
public:
    // Queues the decode of the data with the given output depth.
    static std::shared_ptr<JpegDecodeTask> start(std::shared_ptr<const JpegData> data, int outputDepth);

    JpegDecodeTask(const JpegDecodeTask&) = delete;
    JpegDecodeTask& operator=(const JpegDecodeTask&) = delete;

    // Waits for the decode to end, hands its image over and raises its error, exactly as the
    // same decode run here would, or gives what the decode gives. A decode that no worker has
    // begun yet runs here at once.
    int finishInto(QImage& image);
    // Nobody will collect the result: a decode that has not begun never runs.
    void abandon();

private:
    JpegDecodeTask(std::shared_ptr<const JpegData> data, int outputDepth);

    enum class Stage { Queued, Running, Finished, Abandoned };

    // What the pool runs: takes the oldest task from the queue and runs it if nobody has.
    static void runOldestQueued();
    // Runs the decode if it is still queued; the worker and the collector both try.
    void runIfQueued();
    bool claim();
    void decode();

    const std::shared_ptr<const JpegData> data_;
    const int outputDepth_;
    // Both under the one lock of all tasks.
    std::condition_variable finished_;
    Stage stage_ = Stage::Queued;
    // Written only by the thread that claimed the decode, read only once it has finished.
    QImage image_;
    int rowsInFile_ = 0;
    std::exception_ptr failure_;
};

} // namespace pictures
