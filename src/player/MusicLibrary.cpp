#include "player/MusicLibrary.h"

#include <QObject>
#include <thread>

namespace partivo {

struct MusicLibrary::Job {
    quint64 generation = 0;
    std::atomic_bool cancel{false};
    std::atomic_bool finished{false};
    MusicIndexResult result; // written by the thread, read after joining it
    std::thread thread;

    void join()
    {
        if (thread.joinable())
            thread.join();
    }
};

MusicLibrary::MusicLibrary(QObject* context, const QString& cachePath,
                           std::function<void()> onReady)
    : context_(context), cachePath_(cachePath), onReady_(std::move(onReady))
{
}

MusicLibrary::~MusicLibrary()
{
    if (current_) {
        current_->cancel = true;
        stopped_.push_back(std::move(current_));
    }
    for (const auto& job : stopped_)
        job->join();
}

void MusicLibrary::setFolder(const QString& folder)
{
    if (started_ && folder == folder_)
        return;
    folder_ = folder;
    start();
}

void MusicLibrary::reindex()
{
    start();
}

void MusicLibrary::start()
{
    started_ = true;
    if (current_) {
        current_->cancel = true;
        stopped_.push_back(std::move(current_));
    }
    reapFinished();
    auto job = std::make_shared<Job>();
    job->generation = ++generation_;
    current_ = job;
    const std::weak_ptr<char> alive = alive_;
    // The thread holds the job itself: a stopped job may outlive its place in the lists.
    job->thread =
        std::thread([this, job, alive, folder = folder_, cache = cachePath_, context = context_] {
            job->result = indexMusicFolder(folder, cache, &job->cancel);
            const quint64 generation = job->generation;
            job->finished = true;
            QMetaObject::invokeMethod(
                context,
                [this, alive, generation] {
                    if (alive.lock())
                        deliver(generation);
                },
                Qt::QueuedConnection);
        });
}

void MusicLibrary::deliver(quint64 generation)
{
    reapFinished();
    if (!current_ || current_->generation != generation)
        return; // stopped, or already handed over by waitForIndex
    const std::shared_ptr<Job> job = std::move(current_);
    job->join();
    last_ = std::move(job->result);
    if (onReady_)
        onReady_();
}

void MusicLibrary::reapFinished()
{
    for (auto it = stopped_.begin(); it != stopped_.end();) {
        if ((*it)->finished) {
            (*it)->join();
            it = stopped_.erase(it);
        } else {
            ++it;
        }
    }
}

void MusicLibrary::waitForIndex()
{
    joinWorkers();
    if (current_)
        deliver(current_->generation);
}

void MusicLibrary::joinWorkers()
{
    for (const auto& job : stopped_)
        job->join();
    stopped_.clear();
    if (current_)
        current_->join();
}

} // namespace partivo
