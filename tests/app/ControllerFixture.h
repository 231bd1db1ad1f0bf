#pragma once

#include "ProgramDoubles.h"
#include "app/AppShell.h"
#include "app/Controller.h"
#include "display/WindowPDFx.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace partivo::test {

// Binder windows as logic only (no widgets), of a chosen size.
struct LogicShell : AppShell {
    std::vector<std::unique_ptr<WindowPDFx>> windows;
    double width = 1280;
    double height = 800;
    int menuRefreshes = 0;
    MenuState menus;
    QString keyTest;

    WindowPDFx* newBinderWindow(const BinderWindowParts& parts) override;
    void destroyWindows() override { windows.clear(); }
    void refreshMenus(const MenuState& state) override
    {
        menus = state;
        ++menuRefreshes;
    }
    void showKeyTest(const QString& text) override { keyTest = text; }
    bool editing = false;
    bool editingWindowOpen() const override { return editing; }
    // The progress window: its texts, and Cancel pressed once it has shown that many steps.
    QStringList progress;
    qsizetype cancelAfterSteps = -1;
    bool progressOpen = false;
    void showProgress(const QString&, int) override { progressOpen = true; }
    void setProgress(const QString& text, int) override { progress.append(text); }
    bool progressCancelled() const override
    {
        return cancelAfterSteps >= 0 && progress.size() >= cancelAfterSteps;
    }
    void closeProgress() override { progressOpen = false; }
    // What the filter window answers, and the tags it offered.
    std::optional<QString> filterAnswer;
    QStringList filterTagsOffered;
    std::optional<QString> askFilterText(const QString& /*text*/, const QStringList& tags) override
    {
        filterTagsOffered = tags;
        return filterAnswer;
    }
};

// A controller on test doubles, with a binder folder of PDFs the test writes.
struct App : ProgramDoubles {
    QTemporaryDir folder;
    LogicShell shell;
    std::unique_ptr<Controller> controller;
    QStringList log; // what the dispatcher logged

    App();
    // Writes the songs (name = page count of its PDF; ".chopro" names get a short song) and
    // starts with the folder as binder 1; setlists: tab number -> lines.
    void start(const QList<std::pair<QString, int>>& songs,
               const QList<std::pair<int, QString>>& setlists = {});
    // Starts in the Help Binder.
    void startInHelpBinder();

    Controller& c() { return *controller; }
    WindowPDFx& window() { return *shell.windows.front(); }
    QString title() const;
    // The global pages the first binder window shows, as "left|right" (one number alone in
    // single and zoom modes).
    QString pagesShown() const;
    void key(int command) { center.postParam(QStringLiteral("ActionKey"), command); }
    void post(const char* name, const QVariant& param)
    {
        center.postParam(QLatin1String(name), param);
    }
};

} // namespace partivo::test
