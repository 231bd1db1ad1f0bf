#pragma once

#include <QString>

namespace partivo {

// The desktop's clipboard, plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

// A clipboard of the program's own, for the command line and the tests.
class MemoryClipboard : public Clipboard {
public:
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }

private:
    QString text_;
};

} // namespace partivo
