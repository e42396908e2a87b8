#include "JpegDecodeTask.h"

#include "JpegCodec.h"
#include "JpegGraphic.h"

#include <QThreadPool>

namespace pictures {

std::shared_ptr<JpegDecodeTask> JpegDecodeTask::start(std::shared_ptr<const JpegData> data,
                                                      int outputDepth)
{
    std::shared_ptr<JpegDecodeTask> task(new JpegDecodeTask(std::move(data), outputDepth));
    QThreadPool::globalInstance()->start([task] { task->runIfQueued(); });
    return task;
}

JpegDecodeTask::JpegDecodeTask(std::shared_ptr<const JpegData> data, int outputDepth)
    : data_(std::move(data)), outputDepth_(outputDepth)
{
}

void JpegDecodeTask::finishInto(QImage& image)
{
    runIfQueued();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return stage_ == Stage::Finished; });
    image = std::move(image_);
    if (failure_)
        std::rethrow_exception(failure_);
}

void JpegDecodeTask::abandon()
{
    const std::lock_guard lock(mutex_);
    if (stage_ == Stage::Queued)
        stage_ = Stage::Abandoned;
}

void JpegDecodeTask::runIfQueued()
{
    if (!claim())
        return;
    decode();
    const std::lock_guard lock(mutex_);
    stage_ = Stage::Finished;
    finished_.notify_all();
}

bool JpegDecodeTask::claim()
{
    const std::lock_guard lock(mutex_);
    if (stage_ != Stage::Queued)
        return false;
    stage_ = Stage::Running;
    return true;
}

void JpegDecodeTask::decode()
{
    try {
        decodeJpeg(data_->bytes, outputDepth_, image_);
    } catch (...) {
        failure_ = std::current_exception();
    }
}

} // namespace pictures
