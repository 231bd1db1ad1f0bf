#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>
#include <deque>

namespace partivo {

// Dialogs for tests: answers are pushed in the order the code under test will ask, and
// every call is recorded. A call with no answer left, or whose next answer is of another
// kind, gets the cancel/No/empty answer and is recorded as unscripted; the mismatched
// answer stays queued.
class ScriptedDialogs : public Dialogs {
public:
    struct Call {
        // "msg", "question", "questionAvecCancel", "deuxChoix", "deuxChoixAvecCancel",
        // "getStr", "chooseFolder" or "savePanel".
        QString kind;
        // The message shown; the title for savePanel, which has no message.
        QString text;
        // The two labels of deuxChoix and deuxChoixAvecCancel.
        QStringList choices;
        // The title of chooseFolder and savePanel.
        QString title;
        // getStr's default value, savePanel's suggested name.
        QString defaultValue;
        // chooseFolder's and savePanel's start folder.
        QString startFolder;
        bool unscripted = false;
    };

    // For question.
    void answerQuestion(bool yes);
    // For questionAvecCancel, deuxChoix and deuxChoixAvecCancel.
    void answerInt(int choice);
    // For getStr; nothing means cancelled.
    void answerString(std::optional<QString> text);
    // For chooseFolder; empty means cancelled.
    void answerFolder(const QString& folder);
    // For savePanel; empty means cancelled.
    void answerPath(const QString& path);

    const QList<Call>& asked() const { return calls_; }
    QStringList texts() const;
    bool hadUnscriptedCall() const;
    // Answers pushed but not used yet.
    int pendingAnswers() const { return int(script_.size()); }

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
    enum class AnswerKind { Bool, Int, String, Folder, Path };
    struct Answer {
        AnswerKind kind;
        bool yes = false;
        int choice = 0;
        std::optional<QString> text;
    };

    // Records the call; returns the next answer when it is of the wanted kind.
    std::optional<Answer> take(Call call, AnswerKind wanted);

    std::deque<Answer> script_;
    QList<Call> calls_;
};

} // namespace partivo
