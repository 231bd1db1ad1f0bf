#include "app/widgets/WidgetDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace partivo {

namespace {

// A modal message box with the given buttons, from left to right; returns the index of
// the button pressed, or -1 when the box was closed without one.
int ask(QWidget* parent, const QString& text, const QStringList& buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Partivo"));
    box.setText(text);
    QList<QAbstractButton*> added;
    for (const QString& label : buttons)
        added.append(box.addButton(label, QMessageBox::ActionRole));
    if (!added.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.last()));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

} // namespace

void WidgetDialogs::msg(const QString& text)
{
    ask(parent_, text, {QStringLiteral("Ok")});
}

bool WidgetDialogs::question(const QString& text)
{
    return ask(parent_, text, {QStringLiteral("No"), QStringLiteral("Yes")}) == 1;
}

int WidgetDialogs::questionAvecCancel(const QString& text)
{
    const int pressed =
        ask(parent_, text, {QStringLiteral("Cancel"), QStringLiteral("No"), QStringLiteral("Yes")});
    return pressed <= 0 ? -1 : pressed - 1;
}

int WidgetDialogs::deuxChoix(const QString& text, const QString& choix1, const QString& choix2)
{
    return ask(parent_, text, {choix2, choix1}) == 1 ? 1 : 0;
}

int WidgetDialogs::deuxChoixAvecCancel(const QString& text, const QString& choix1,
                                       const QString& choix2)
{
    const int pressed = ask(parent_, text, {QStringLiteral("Cancel"), choix2, choix1});
    return pressed <= 0 ? -1 : pressed - 1;
}

std::optional<QString> WidgetDialogs::getStr(const QString& text, const QString& defaultValue)
{
    bool ok = false;
    const QString value = QInputDialog::getText(parent_, QStringLiteral("Partivo"), text,
                                                QLineEdit::Normal, defaultValue, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString WidgetDialogs::chooseFolder(const QString& title, const QString& message,
                                    const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent_, title + QStringLiteral(" - ") + message,
                                             startFolder, QFileDialog::ShowDirsOnly);
}

QString WidgetDialogs::savePanel(const QString& title, const QString& suggestedName,
                                 const QString& startFolder)
{
    return QFileDialog::getSaveFileName(parent_, title,
                                        startFolder + QLatin1Char('/') + suggestedName);
}

} // namespace partivo
