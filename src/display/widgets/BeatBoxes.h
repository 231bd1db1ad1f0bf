#pragma once

#include "display/MetroBoxes.h"

#include <QWidget>

namespace partivo {

// The metronome's beat boxes of a binder window: one, two, or four labelled "1" to "4", the
// lit one filled.
class BeatBoxes : public QWidget {
public:
    explicit BeatBoxes(QWidget* parent = nullptr);

    void showBeats(const MetroBeats& beats);
    int count() const { return count_; }
    QSize sizeHint() const override;
    // The boxes grow to fill the widget (companion windows show them in large form).
    void setFitToSize(bool fit) { fit_ = fit; }
    // The side of one box as painted.
    double boxSide() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int count_ = 0;
    int lit_ = 0;
    bool fit_ = false;
    QColor color_, accent_, label_;
};

} // namespace partivo
