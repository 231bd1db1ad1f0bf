#pragma once

#include "display/DimmerBoxInput.h"
#include "display/KeyTable.h"
#include "display/PlatformWindow.h"
#include "display/WindowPDFxSuper.h"

#include <QWidget>
#include <memory>

class QLabel;

namespace partivo {

class NotificationCenter;

// The platform window of a display window: it shows the note line, carries out level,
// transparency, shadow and full screen for the window's logic, and turns keys, clicks and
// wheel gestures into commands on the bus. It owns the logic and lives in its list until
// it closes.
class DisplayWindow : public QWidget, public PlatformWindow {
    Q_OBJECT
public:
    DisplayWindow(std::unique_ptr<WindowPDFxSuper> logic, NotificationCenter& center,
                  QWidget* parent = nullptr);
    ~DisplayWindow() override;

    WindowPDFxSuper& logic() { return *logic_; }
    const WindowSettings& settings() const { return logic_->settings(); }
    QString shownLine() const;
    bool floating() const;

    // PlatformWindow
    void setOpaqueBackground(bool opaque, const QColor& background) override;
    void setFloating(bool floating, bool hidesOnDeactivate) override;
    void setShadow(bool shadow) override;
    void orderFront() override;
    void makeKeyAndOrderFront() override;
    bool isKeyWindow() const override;
    bool isMainWindow() const override;
    int screenIndex() const override;
    QSizeF frameSize() const override;
    QRect frameRect() const override;
    void setFrameRect(const QRect& frame) override;
    bool isPlatformFullScreen() const override;
    void enterFullScreen() override;
    void exitFullScreen() override;
    void closeWindow() override;

    // Full screen on or off; the setting follows the platform's notice.
    void showFullScreenState(bool fullScreen);
    // The window's menu bar, above everything else. In full screen it hides; F10 or Alt
    // alone shows it again until the next command.
    void setMenuBar(QWidget* menuBar);
    QWidget* menuBar() const { return menuBar_; }

protected:
    NotificationCenter& center() const { return center_; }
    // Bottom of the information lines: content goes below them.
    int headerBottom() const;
    // Puts a row of information above the note line.
    void insertHeaderRow(QWidget* row);
    void setNoteLineHidden(bool hidden);
    // Shows the note line (or the message over it) in the window's text colour.
    void showNoteLine();
    // A key this kind of window handles itself before the key tables; true when handled.
    virtual bool windowKey(const KeyPress& /*key*/) { return false; }
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    DimmerBoxInput::Options inputOptions() const;
    void showMenuBarForState();
    void setWindowFlagKeepingVisible(Qt::WindowType flag, bool on);

    std::unique_ptr<WindowPDFxSuper> logic_;
    NotificationCenter& center_;
    DimmerBoxInput input_;
    QLabel* line_ = nullptr;
    QList<QWidget*> header_; // the rows above the pages, the note line last
    QWidget* menuBar_ = nullptr;
    bool altAlone_ = false; // Alt is down and no other key came with it
};

} // namespace partivo
