#pragma once

#include <QString>
#include <optional>

namespace partivo {

// The modal message dialogs shared by the whole application.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // One button "Ok".
    virtual void msg(const QString& text) = 0;
    // Buttons "No", "Yes"; true for Yes.
    virtual bool question(const QString& text) = 0;
    // Buttons "Cancel", "No", "Yes"; returns -1, 0, 1.
    virtual int questionAvecCancel(const QString& text) = 0;
    // Two named choices; 1 for the first, 0 for the second.
    virtual int deuxChoix(const QString& text, const QString& choix1, const QString& choix2) = 0;
    // Two named choices and "Cancel"; 1 first, 0 second, -1 cancel.
    virtual int deuxChoixAvecCancel(const QString& text, const QString& choix1,
                                    const QString& choix2) = 0;
    // Text prompt; nothing when cancelled.
    virtual std::optional<QString> getStr(const QString& text, const QString& defaultValue) = 0;
    // Folder chooser: one existing folder, or an empty string when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& message,
                                 const QString& startFolder) = 0;
    // Save panel: the chosen file path, or an empty string when cancelled.
    virtual QString savePanel(const QString& title, const QString& suggestedName,
                              const QString& startFolder) = 0;
};

} // namespace partivo
