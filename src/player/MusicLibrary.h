#pragma once

#include "player/MusicIndex.h"
#include "player/PlayerView.h"

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace partivo {

// The music library the player uses: the folder indexed on a background thread (at start and
// whenever the folder changes), its tracks handed over on the thread of a context object.
// Every method is called on that thread; the context must outlive the library.
class MusicLibrary : public TrackSource {
public:
    // cachePath: the index cache file ("" for none). onReady runs on the context's thread each
    // time an index is handed over; an index superseded by another folder is dropped unseen.
    MusicLibrary(QObject* context, const QString& cachePath,
                 std::function<void()> onReady = nullptr);
    // Stops the running index and waits for it.
    ~MusicLibrary() override;
    MusicLibrary(const MusicLibrary&) = delete;
    MusicLibrary& operator=(const MusicLibrary&) = delete;

    // Indexes the folder in the background unless it is the folder already indexed or being
    // indexed; an index running for another folder is stopped and its result dropped.
    void setFolder(const QString& folder);
    // Indexes the current folder again (the files changed on disk).
    void reindex();
    const QString& folder() const { return folder_; }

    // The last index handed over; until then, no track and not available.
    bool available() const override { return last_.available(); }
    const TrackList& tracks() const override { return last_.tracks; }
    const MusicIndexResult& lastIndex() const { return last_; }
    bool indexing() const { return current_ != nullptr; }

    // Joins the running index and hands its result over at once (onReady runs), for the
    // command line and the tests; nothing happens when no index runs.
    void waitForIndex();
    // Joins the background threads without handing anything over: the result then arrives
    // through the context's event loop.
    void joinWorkers();

private:
    struct Job;
    void start();
    void deliver(quint64 generation);
    void reapFinished();

    QObject* context_;
    QString cachePath_;
    std::function<void()> onReady_;
    QString folder_;
    bool started_ = false;
    quint64 generation_ = 0;
    std::shared_ptr<Job> current_;
    std::vector<std::shared_ptr<Job>> stopped_; // cancelled, their threads not yet joined
    MusicIndexResult last_;
    // Queued hand-overs hold it weakly: once the library is gone they do nothing.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace partivo
