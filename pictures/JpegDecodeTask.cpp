#include "JpegDecodeTask.h"

#include "JpegCodec.h"
#include "JpegGraphic.h"

#include <QThreadPool>

#include <deque>

namespace pictures {
namespace {

// Guards the queue and the stage of every task; it is only ever held for a few instructions.
// Tasks reach the workers through this queue rather than inside the pool's runnables, so that
// the hand-over happens under a lock that race checkers see (the pool locks inside the toolkit,
// out of their sight).
std::mutex tasksLock;

// Tasks handed to the pool and not yet taken by a worker, oldest first.
std::deque<std::shared_ptr<JpegDecodeTask>>& queuedTasks()
{
    static std::deque<std::shared_ptr<JpegDecodeTask>> tasks;
    return tasks;
}

} // namespace

std::shared_ptr<JpegDecodeTask> JpegDecodeTask::start(std::shared_ptr<const JpegData> data,
                                                      int outputDepth)
{
    std::shared_ptr<JpegDecodeTask> task(new JpegDecodeTask(std::move(data), outputDepth));
    {
        const std::lock_guard lock(tasksLock);
        queuedTasks().push_back(task);
    }
    QThreadPool::globalInstance()->start(&JpegDecodeTask::runOldestQueued);
    return task;
}

JpegDecodeTask::JpegDecodeTask(std::shared_ptr<const JpegData> data, int outputDepth)
    : data_(std::move(data)), outputDepth_(outputDepth)
{
}

int JpegDecodeTask::finishInto(QImage& image)
{
    runIfQueued();
    std::unique_lock lock(tasksLock);
    finished_.wait(lock, [this] { return stage_ == Stage::Finished; });
    image = std::move(image_);
    // The error leaves with the collector, so it is never freed on the worker's thread.
    const std::exception_ptr failure = std::exchange(failure_, nullptr);
    lock.unlock();
    if (failure)
        std::rethrow_exception(failure);
    return rowsInFile_;
}

void JpegDecodeTask::abandon()
{
    const std::lock_guard lock(tasksLock);
    if (stage_ == Stage::Queued)
        stage_ = Stage::Abandoned;
}

// One run per task queued, so every task is taken once; one already run by its collector, or
// abandoned, is only let go.
void JpegDecodeTask::runOldestQueued()
{
    std::shared_ptr<JpegDecodeTask> task;
    {
        const std::lock_guard lock(tasksLock);
        task = std::move(queuedTasks().front());
        queuedTasks().pop_front();
    }
    task->runIfQueued();
}

void JpegDecodeTask::runIfQueued()
{
    if (!claim())
        return;
    decode();
    const std::lock_guard lock(tasksLock);
    stage_ = Stage::Finished;
    finished_.notify_all();
}

bool JpegDecodeTask::claim()
{
    const std::lock_guard lock(tasksLock);
    if (stage_ != Stage::Queued)
        return false;
    stage_ = Stage::Running;
    return true;
}

void JpegDecodeTask::decode()
{
    try {
        rowsInFile_ = decodeJpeg(data_->bytes, outputDepth_, image_, data_->orientation);
    } catch (...) {
        failure_ = std::current_exception();
    }
}

} // namespace pictures
