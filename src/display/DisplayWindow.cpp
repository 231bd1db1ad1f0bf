#include "display/DisplayWindow.h"

#include "display/KeyTable.h"
#include "platform/NotificationCenter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace partivo {

DisplayWindow::DisplayWindow(const WindowSettings& settings, NotificationCenter& center,
                             Timers& timers, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), center_(center),
      message_(timers, [this] { showLine(); }), input_(center)
{
    message_.setOnMessage([this] { showLine(); });
    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("noteLine"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addStretch();
    iniTransparent(settings_.transparent);
    iniAlwaysOnTop(settings_.alwaysOnTop);
}

void DisplayWindow::setNoteLine(const QString& text)
{
    note_ = text;
    showLine();
}

QString DisplayWindow::shownLine() const
{
    return line_->text();
}

void DisplayWindow::showLine()
{
    line_->setText(message_.text().isEmpty() ? note_ : message_.text());
}

void DisplayWindow::iniAlwaysOnTop(bool onTop)
{
    settings_.alwaysOnTop = onTop;
    setFloating(onTop);
}

void DisplayWindow::setFloating(bool on)
{
    if (floating() == on)
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show(); // changing the flags hides a window
}

bool DisplayWindow::floating() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void DisplayWindow::iniTransparent(bool transparent)
{
    settings_.transparent = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    setAutoFillBackground(!transparent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, transparent ? QColor(Qt::transparent) : QColor(Qt::black));
    setPalette(palette);
}

void DisplayWindow::iniFullScreen(bool fullScreen)
{
    settings_.fullScreen = fullScreen;
    setWindowState(fullScreen ? (windowState() | Qt::WindowFullScreen)
                              : (windowState() & ~Qt::WindowFullScreen));
}

void DisplayWindow::applicationActiveChanged(bool active)
{
    if (settings_.alwaysOnTop)
        setFloating(active);
}

void DisplayWindow::keyPressEvent(QKeyEvent* event)
{
    KeyPress key;
    key.qtKey = event->key();
    key.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    key.control = event->modifiers().testFlag(Qt::ControlModifier);
    // X11 and Wayland hand out evdev codes plus 8.
    key.evdevCode = event->nativeScanCode() > 8 ? event->nativeScanCode() - 8 : 0;
    const int command = keyCommandForKey(key);
    if (command == kKeyNotHandled) {
        QWidget::keyPressEvent(event);
        return;
    }
    center_.postParam(QLatin1String(kActionKeyNotification), command);
    event->accept();
}

void DisplayWindow::mousePressEvent(QMouseEvent* event)
{
    const auto outcome = input_.click(event->position(), QSizeF(size()), inputOptions);
    if (outcome.code == 0)
        QWidget::mousePressEvent(event);
}

void DisplayWindow::wheelEvent(QWheelEvent* event)
{
    WheelSwipe::Phase phase = WheelSwipe::Update;
    switch (event->phase()) {
    case Qt::ScrollBegin:
        phase = WheelSwipe::Begin;
        break;
    case Qt::ScrollEnd:
        phase = WheelSwipe::End;
        break;
    case Qt::ScrollUpdate:
        break;
    default:
        QWidget::wheelEvent(event); // momentum and wheels without phases are not gestures
        return;
    }
    const QPointF delta = QPointF(event->angleDelta()) / 120.0;
    input_.wheel(phase, delta.x(), delta.y(), inputOptions);
}

} // namespace partivo
