#pragma once

#include "display/KeyTable.h"

#include <QList>
#include <QWidget>

class QPushButton;

namespace partivo {

class Controller;

// One button of the key pad: its label and the key it stands for.
struct KeyPadKey {
    QString label;
    KeyPress key;
    bool arrow = false; // disabled while a text field is being edited
};

// The keys of the pad, in the order they are laid out.
QList<KeyPadKey> keyPadKeys();

// The on-screen key pad: each button posts the key command its key posts in a binder
// window, so a tap does exactly what the key does.
class KeyPadWindow : public QWidget {
    Q_OBJECT
public:
    explicit KeyPadWindow(Controller& controller, QWidget* parent = nullptr);

    QPushButton* button(const QString& label) const;
    // The key command number of the button pressed last (-1 before any).
    int keyNo() const { return keyNo_; }
    void disableKeysForTextEdit();
    void enableKeysForTextEdit();

private:
    void press(const KeyPress& key);

    Controller& controller_;
    QList<QPushButton*> buttons_;
    QList<QPushButton*> arrows_;
    int keyNo_ = -1;
};

} // namespace partivo
