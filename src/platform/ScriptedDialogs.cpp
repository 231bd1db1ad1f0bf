#include "platform/ScriptedDialogs.h"

#include <algorithm>

namespace partivo {

void ScriptedDialogs::answerQuestion(bool yes)
{
    script_.push_back({AnswerKind::Bool, yes, 0, std::nullopt});
}

void ScriptedDialogs::answerInt(int choice)
{
    script_.push_back({AnswerKind::Int, false, choice, std::nullopt});
}

void ScriptedDialogs::answerString(std::optional<QString> text)
{
    script_.push_back({AnswerKind::String, false, 0, std::move(text)});
}

void ScriptedDialogs::answerFolder(const QString& folder)
{
    script_.push_back({AnswerKind::Folder, false, 0, folder});
}

void ScriptedDialogs::answerPath(const QString& path)
{
    script_.push_back({AnswerKind::Path, false, 0, path});
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Call& call : calls_)
        result.append(call.text);
    return result;
}

bool ScriptedDialogs::hadUnscriptedCall() const
{
    return std::any_of(calls_.begin(), calls_.end(), [](const Call& c) { return c.unscripted; });
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(Call call, AnswerKind wanted)
{
    std::optional<Answer> answer;
    if (!script_.empty() && script_.front().kind == wanted) {
        answer = script_.front();
        script_.pop_front();
    }
    call.unscripted = !answer;
    calls_.append(std::move(call));
    return answer;
}

void ScriptedDialogs::msg(const QString& text)
{
    calls_.append({QStringLiteral("msg"), text, {}, {}, {}, {}, false});
}

bool ScriptedDialogs::question(const QString& text)
{
    const auto a =
        take({QStringLiteral("question"), text, {}, {}, {}, {}, false}, AnswerKind::Bool);
    return a && a->yes;
}

int ScriptedDialogs::questionAvecCancel(const QString& text)
{
    const auto a =
        take({QStringLiteral("questionAvecCancel"), text, {}, {}, {}, {}, false}, AnswerKind::Int);
    return a ? a->choice : -1;
}

// With no cancel button, the second choice stands in for "No".
int ScriptedDialogs::deuxChoix(const QString& text, const QString& choix1, const QString& choix2)
{
    const auto a = take({QStringLiteral("deuxChoix"), text, {choix1, choix2}, {}, {}, {}, false},
                        AnswerKind::Int);
    return a ? a->choice : 0;
}

int ScriptedDialogs::deuxChoixAvecCancel(const QString& text, const QString& choix1,
                                         const QString& choix2)
{
    const auto a =
        take({QStringLiteral("deuxChoixAvecCancel"), text, {choix1, choix2}, {}, {}, {}, false},
             AnswerKind::Int);
    return a ? a->choice : -1;
}

std::optional<QString> ScriptedDialogs::getStr(const QString& text, const QString& defaultValue)
{
    const auto a =
        take({QStringLiteral("getStr"), text, {}, {}, defaultValue, {}, false}, AnswerKind::String);
    return a ? a->text : std::nullopt;
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString& message,
                                      const QString& startFolder)
{
    const auto a =
        take({QStringLiteral("chooseFolder"), message, {}, title, {}, startFolder, false},
             AnswerKind::Folder);
    return a ? a->text.value_or(QString()) : QString();
}

QString ScriptedDialogs::savePanel(const QString& title, const QString& suggestedName,
                                   const QString& startFolder)
{
    const auto a =
        take({QStringLiteral("savePanel"), title, {}, title, suggestedName, startFolder, false},
             AnswerKind::Path);
    return a ? a->text.value_or(QString()) : QString();
}

} // namespace partivo
