#pragma once

#include "display/DimmerBoxInput.h"
#include "display/MessageLine.h"
#include "display/WindowSettings.h"

#include <QWidget>

class QLabel;

namespace partivo {

class NotificationCenter;
class Timers;

// The common base of every display window: its settings, the note line with the transient
// message, the window level, transparency and full screen, and the keys, clicks and wheel
// gestures turned into commands on the bus. Subclasses paint their own content.
class DisplayWindow : public QWidget {
    Q_OBJECT
public:
    DisplayWindow(const WindowSettings& settings, NotificationCenter& center, Timers& timers,
                  QWidget* parent = nullptr);

    WindowSettings& settings() { return settings_; }
    const WindowSettings& settings() const { return settings_; }
    MessageLine& messageLine() { return message_; }

    // The note line shown while no message is; the message line shows over it.
    void setNoteLine(const QString& text);
    QString shownLine() const;

    // Floating above other applications' windows while the application is active.
    void iniAlwaysOnTop(bool onTop);
    void iniTransparent(bool transparent);
    void iniFullScreen(bool fullScreen);
    // The application became active or inactive: floating windows drop to the normal level
    // while it is inactive and float again when it is back.
    void applicationActiveChanged(bool active);
    bool floating() const;

    DimmerBoxInput::Options inputOptions;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showLine();
    void setFloating(bool on);

    WindowSettings settings_;
    NotificationCenter& center_;
    MessageLine message_;
    DimmerBoxInput input_;
    QLabel* line_ = nullptr;
    QString note_;
};

} // namespace partivo
