#pragma once

#include "display/CompanionTexts.h"
#include "display/MetroBoxes.h"
#include "display/WindowPDFxSuper.h"

namespace partivo {

// What a companion window paints: lines of text from top to bottom, each in large type
// fitted to its share of the window, then the beat boxes, or the progress bar alone.
struct CompanionScene {
    QList<QList<HeaderPart>> lines;
    MetroBeats beats;          // four labelled "1" to "4", or none
    std::optional<QRectF> bar; // in window coordinates
    QColor barColor;
    bool operator==(const CompanionScene&) const = default;
};

// The logic of the small always-on-top windows that show one thing about the current song
// (its title, artist, tempo, track time, ...) or, the summary window, several of them. Each
// type reacts only to the broadcasts that change what it shows.
class CompanionWindow : public WindowPDFxSuper {
public:
    CompanionWindow(int winType, DisplayWindows& windows, NotificationCenter& center,
                    Timers& timers);

    int winType() const { return settings_.winType; }
    const CompanionScene& scene() const { return scene_; }
    // Runs after every change of the scene.
    void setSceneObserver(std::function<void()> observer) { sceneObserver_ = std::move(observer); }
    // The window's content was resized (the progress bar follows).
    void resized(const QSizeF& size);

    QString obtenirTitle() const override;
    void setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop, bool zoomOn,
                int currSort, const std::shared_ptr<Pieces>& pieceNext, bool autom) override;
    void refreshInfo() override;
    void updateItunesInfo(const QString& trackName, const QString& trackArtist, double curPos,
                          double maxPos, bool masquer) override;
    void updateMetroWithNbTick(int ticks, bool masquer, bool reset) override;

protected:
    void colorChanged(int index, bool refreshData) override;
    void noteLineChanged() override;

private:
    bool showsSong() const;
    bool showsTrack() const;
    bool showsBeats() const;
    // Builds the scene from the song, the track and the beat; tells the observer when it
    // changed.
    void rebuild();

    CompanionScene scene_;
    std::function<void()> sceneObserver_;
    TrackState track_;
    QSizeF size_;
    int metroLit_ = 0;
};

} // namespace partivo
