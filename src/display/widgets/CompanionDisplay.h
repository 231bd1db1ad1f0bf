#pragma once

#include "display/CompanionWindow.h"
#include "display/widgets/DisplayWindow.h"

namespace partivo {

class BeatBoxes;

// A companion window on screen: paints its logic's scene in large type, each line's font
// fitted to the window, the beat boxes under the text and the progress bar. It floats above
// other windows from the start and closes like any display window.
class CompanionDisplay : public DisplayWindow {
    Q_OBJECT
public:
    CompanionDisplay(int winType, DisplayWindows& windows, NotificationCenter& center,
                     Timers& timers, QWidget* parent = nullptr);

    CompanionWindow& companion() { return *companion_; }
    // The text of each line as shown, the parts of a line joined.
    QStringList shownLines() const;
    const BeatBoxes& beatBoxes() const { return *beats_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showScene();
    // The rows of the text lines and of the beat boxes, top to bottom.
    QList<QRectF> rows() const;

    CompanionWindow* companion_;
    BeatBoxes* beats_;
};

} // namespace partivo
