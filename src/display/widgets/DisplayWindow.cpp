#include "display/widgets/DisplayWindow.h"

#include "display/AppKeys.h"
#include "display/DisplayWindows.h"
#include "display/KeyTable.h"
#include "platform/NotificationCenter.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace partivo {

DisplayWindow::DisplayWindow(std::unique_ptr<WindowPDFxSuper> logic, NotificationCenter& center,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), logic_(std::move(logic)), center_(center), input_(center)
{
    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("noteLine"));
    line_->setFixedHeight(line_->fontMetrics().height() + 2); // the same with or without text
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addStretch();
    header_.append(line_);
    setAutoFillBackground(true);

    logic_->setPlatformWindow(this);
    logic_->setNoteLineObserver([this] { showNoteLine(); });
    logic_->iniTransparent(logic_->settings().transparent);
    logic_->iniAlwaysOnTop(logic_->settings().alwaysOnTop);
    setShadow(!logic_->settings().noShadow);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                logic_->applicationActiveChanged(state == Qt::ApplicationActive);
            });
}

DisplayWindow::~DisplayWindow()
{
    logic_->setPlatformWindow(nullptr);
    logic_->setNoteLineObserver(nullptr);
}

void DisplayWindow::showNoteLine()
{
    QPalette palette = line_->palette();
    palette.setColor(QPalette::WindowText, logic_->settings().colors.colorForObj(ActColor));
    line_->setPalette(palette);
    line_->setText(logic_->shownLine());
}

int DisplayWindow::headerBottom() const
{
    int bottom = 0;
    for (const QWidget* row : header_) {
        if (!row->isHidden())
            bottom = std::max(bottom, row->geometry().bottom() + 1);
    }
    return bottom;
}

void DisplayWindow::insertHeaderRow(QWidget* row)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(int(header_.size()) - 1, row);
    header_.insert(header_.size() - 1, row);
}

void DisplayWindow::setNoteLineHidden(bool hidden)
{
    line_->setHidden(hidden);
}

QString DisplayWindow::shownLine() const
{
    return line_->text();
}

void DisplayWindow::setWindowFlagKeepingVisible(Qt::WindowType flag, bool on)
{
    if (windowFlags().testFlag(flag) == on)
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(flag, on);
    if (wasVisible)
        show(); // changing the flags hides a window
}

void DisplayWindow::setOpaqueBackground(bool opaque, const QColor& background)
{
    setAttribute(Qt::WA_TranslucentBackground, !opaque);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, opaque ? background : QColor(Qt::transparent));
    setPalette(palette);
}

void DisplayWindow::setFloating(bool floating, bool /*hidesOnDeactivate*/)
{
    // The window drops to the normal level itself when the application goes inactive, so
    // there is nothing left to hide here.
    setWindowFlagKeepingVisible(Qt::WindowStaysOnTopHint, floating);
}

bool DisplayWindow::floating() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void DisplayWindow::setShadow(bool shadow)
{
    setWindowFlagKeepingVisible(Qt::NoDropShadowWindowHint, !shadow);
}

void DisplayWindow::orderFront()
{
    raise();
}

void DisplayWindow::makeKeyAndOrderFront()
{
    raise();
    activateWindow();
}

bool DisplayWindow::isKeyWindow() const
{
    return isActiveWindow();
}

bool DisplayWindow::isMainWindow() const
{
    return isActiveWindow();
}

int DisplayWindow::screenIndex() const
{
    return int(QGuiApplication::screens().indexOf(screen()));
}

QSizeF DisplayWindow::frameSize() const
{
    return QSizeF(frameGeometry().size());
}

QRect DisplayWindow::frameRect() const
{
    return geometry();
}

void DisplayWindow::setFrameRect(const QRect& frame)
{
    setGeometry(frame);
}

void DisplayWindow::enterFullScreen()
{
    showFullScreenState(true);
}

bool DisplayWindow::isPlatformFullScreen() const
{
    return windowState().testFlag(Qt::WindowFullScreen);
}

void DisplayWindow::exitFullScreen()
{
    showFullScreenState(false);
}

void DisplayWindow::closeWindow()
{
    QWidget::close();
}

void DisplayWindow::showFullScreenState(bool fullScreen)
{
    setWindowState(fullScreen ? (windowState() | Qt::WindowFullScreen)
                              : (windowState() & ~Qt::WindowFullScreen));
}

void DisplayWindow::setMenuBar(QWidget* menuBar)
{
    menuBar_ = menuBar;
    layout()->setMenuBar(menuBar);
    showMenuBarForState();
}

void DisplayWindow::showMenuBarForState()
{
    if (menuBar_)
        menuBar_->setVisible(!isPlatformFullScreen());
}

void DisplayWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        logic_->iniFullScreen(isPlatformFullScreen());
        showMenuBarForState();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        logic_->windowDidBecomeMain();
    QWidget::changeEvent(event);
}

void DisplayWindow::closeEvent(QCloseEvent* event)
{
    DisplayWindows& windows = logic_->windows();
    if (windows.nsMutaryOfWindows().contains(logic_.get()))
        windows.winClose(logic_.get());
    QWidget::closeEvent(event);
}

void DisplayWindow::keyPressEvent(QKeyEvent* event)
{
    KeyPress key;
    key.qtKey = event->key();
    key.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    key.control = event->modifiers().testFlag(Qt::ControlModifier);
    key.alt = event->modifiers().testFlag(Qt::AltModifier);
    // X11 and Wayland hand out evdev codes plus 8.
    key.evdevCode = event->nativeScanCode() > 8 ? event->nativeScanCode() - 8 : 0;
    altAlone_ = event->key() == Qt::Key_Alt && !event->isAutoRepeat();
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        showFullScreenState(!isPlatformFullScreen());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F10 && menuBar_) {
        menuBar_->setVisible(!menuBar_->isVisible());
        event->accept();
        return;
    }
    if (windowKey(key)) {
        event->accept();
        return;
    }
    int command = keyCommandForKey(key);
    if (command == kKeyNotHandled)
        command = applicationKeyCommand(key);
    if (command == kKeyNotHandled) {
        QWidget::keyPressEvent(event);
        return;
    }
    center_.postParam(QLatin1String(action::Key), command);
    event->accept();
}

DimmerBoxInput::Options DisplayWindow::inputOptions() const
{
    DimmerBoxInput::Options options;
    options.hiddenRegions = logic_->windowOptions().hiddenRegions;
    options.centerMouse = logic_->windowOptions().centerMouse;
    return options;
}

void DisplayWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Alt pressed and released alone brings the hidden menu bar back (and hides it again).
    if (event->key() == Qt::Key_Alt && altAlone_ && menuBar_ && isPlatformFullScreen())
        menuBar_->setVisible(!menuBar_->isVisible());
    altAlone_ = false;
    QWidget::keyReleaseEvent(event);
}

void DisplayWindow::mousePressEvent(QMouseEvent* event)
{
    const auto outcome = input_.click(event->position(), QSizeF(size()), inputOptions());
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
    if (input_.wheel(phase, delta.x(), delta.y(), inputOptions()).recentrePointer)
        QCursor::setPos(mapToGlobal(rect().center()));
}

} // namespace partivo
