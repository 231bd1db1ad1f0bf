#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace partivo {

// The message dialogs as modal Qt dialogs.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void msg(const QString& text) override;
    bool question(const QString& text) override;
    int questionAvecCancel(const QString& text) override;
    int deuxChoix(const QString& text, const QString& choix1, const QString& choix2) override;
    int deuxChoixAvecCancel(const QString& text, const QString& choix1,
                            const QString& choix2) override;
    std::optional<QString> getStr(const QString& text, const QString& defaultValue) override;
    QString chooseFolder(const QString& title, const QString& message,
                         const QString& startFolder) override;
    QString savePanel(const QString& title, const QString& suggestedName,
                      const QString& startFolder) override;

private:
    QWidget* parent_;
};

} // namespace partivo
