#pragma once

#include "platform/Dialogs.h"

namespace partivo {

// Dialogs for headless commands: messages go to stderr, every question is answered with
// its cancel or "No" answer.
class HeadlessDialogs : public Dialogs {
public:
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
};

} // namespace partivo
