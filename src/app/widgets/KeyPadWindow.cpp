#include "app/widgets/KeyPadWindow.h"

#include "app/Controller.h"
#include "display/AppKeys.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace partivo {

namespace {

KeyPadKey padKey(const QString& label, int qtKey, bool control = false, bool alt = false,
                 bool arrow = false)
{
    KeyPadKey k;
    k.label = label;
    k.key.qtKey = qtKey;
    k.key.control = control;
    k.key.alt = alt;
    k.arrow = arrow;
    return k;
}

bool isTextField(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly();
    return qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

} // namespace

QList<KeyPadKey> keyPadKeys()
{
    QList<KeyPadKey> keys;
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
        keys.append(padKey(QChar(k), k));
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
        keys.append(padKey(QChar(k), k));
    keys.append(padKey(QStringLiteral("←"), Qt::Key_Left, false, false, true));
    keys.append(padKey(QStringLiteral("→"), Qt::Key_Right, false, false, true));
    keys.append(padKey(QStringLiteral("↑"), Qt::Key_Up, false, false, true));
    keys.append(padKey(QStringLiteral("↓"), Qt::Key_Down, false, false, true));
    keys.append(padKey(QStringLiteral("Ctrl ←"), Qt::Key_Left, true, false, true));
    keys.append(padKey(QStringLiteral("Ctrl →"), Qt::Key_Right, true, false, true));
    keys.append(padKey(QStringLiteral("Space"), Qt::Key_Space));
    keys.append(padKey(QStringLiteral("Page Up"), Qt::Key_PageUp));
    keys.append(padKey(QStringLiteral("Page Down"), Qt::Key_PageDown));
    keys.append(padKey(QStringLiteral("Enter"), Qt::Key_Return));
    keys.append(padKey(QStringLiteral("Alt Enter"), Qt::Key_Return, false, true));
    keys.append(padKey(QStringLiteral("Alt Space"), Qt::Key_Space, false, true));
    keys.append(padKey(QStringLiteral("Alt ←"), Qt::Key_Left, false, true));
    keys.append(padKey(QStringLiteral("Alt →"), Qt::Key_Right, false, true));
    keys.append(padKey(QStringLiteral("Backspace"), Qt::Key_Backspace));
    keys.append(padKey(QStringLiteral("Ctrl Enter"), Qt::Key_Return, true));
    keys.append(padKey(QStringLiteral("Escape"), Qt::Key_Escape));
    keys.append(padKey(QStringLiteral("Ctrl R"), Qt::Key_R, true));
    keys.append(padKey(QStringLiteral("Tab"), Qt::Key_Tab));
    keys.append(padKey(QStringLiteral("Ctrl A"), Qt::Key_A, true));
    for (int k = Qt::Key_1; k <= Qt::Key_8; ++k)
        keys.append(padKey(QStringLiteral("Ctrl ") + QChar(k), k, true));
    return keys;
}

KeyPadWindow::KeyPadWindow(Controller& controller, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), controller_(controller)
{
    setWindowTitle(QStringLiteral("Key Pad"));
    setFocusPolicy(Qt::NoFocus);
    auto* grid = new QGridLayout(this);
    constexpr int kColumns = 10;
    int at = 0;
    for (const KeyPadKey& key : keyPadKeys()) {
        auto* button = new QPushButton(key.label, this);
        button->setFocusPolicy(Qt::NoFocus); // the binder window keeps the keyboard
        connect(button, &QPushButton::clicked, this, [this, k = key.key] { press(k); });
        grid->addWidget(button, at / kColumns, at % kColumns);
        ++at;
        buttons_.append(button);
        if (key.arrow)
            arrows_.append(button);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (isTextField(now))
            disableKeysForTextEdit();
        else
            enableKeysForTextEdit();
    });
}

QPushButton* KeyPadWindow::button(const QString& label) const
{
    for (QPushButton* b : buttons_) {
        if (b->text() == label)
            return b;
    }
    return nullptr;
}

void KeyPadWindow::press(const KeyPress& key)
{
    const int command = applicationKeyCommand(key);
    if (command == kKeyNotHandled)
        return;
    keyNo_ = command;
    controller_.center().postParam(QLatin1String(action::Key), command);
}

void KeyPadWindow::disableKeysForTextEdit()
{
    for (QPushButton* b : std::as_const(arrows_))
        b->setEnabled(false);
}

void KeyPadWindow::enableKeysForTextEdit()
{
    for (QPushButton* b : std::as_const(arrows_))
        b->setEnabled(true);
}

} // namespace partivo
