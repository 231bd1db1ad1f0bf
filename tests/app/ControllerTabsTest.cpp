#include "ControllerFixture.h"
#include "platform/Commands.h"

#include "QtPrinters.h"

#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

using namespace partivo;
using partivo::test::App;

namespace {

// The key commands posted from now on (the list lives as long as the observer).
std::shared_ptr<QList<int>> recordKeys(App& app)
{
    auto keys = std::make_shared<QList<int>>();
    app.center.addObserver(QLatin1String(action::Key), [keys](const QVariant& p) {
        keys->append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
    });
    return keys;
}

TEST(ControllerTabs, TheEditorOpensForTabsOneToNineOutsideTheHelpBinder)
{
    App help;
    help.startInHelpBinder();
    const auto helpKeys = recordKeys(help);
    help.c().editerSetlist(2);
    EXPECT_EQ(help.dialogs.texts(),
              QStringList{"Setlists and Collections cannot be edited in the Help Binder."});
    EXPECT_TRUE(helpKeys->isEmpty());

    App app;
    app.start({{"Alpha.pdf", 1}});
    const auto keys = recordKeys(app);
    app.c().editerSetlist(0);
    EXPECT_TRUE(keys->isEmpty());
    // A shell without windows closes the editor at once.
    app.c().editerSetlist(9);
    EXPECT_EQ(*keys, (QList<int>{cmd::MidiEditorOpened, cmd::MidiEditorClosed}));
    EXPECT_TRUE(app.dialogs.asked().isEmpty());
}

TEST(ControllerTabs, TheCurrentTabsSongsGoToTheClipboard)
{
    struct Case {
        const char* what;
        int tab;
        int answer;
        QString clipboard;
        const char* message; // nullptr: none
    };
    const Case cases[] = {
        {"file names", 2, 1, "Gamma.pdf\nAlpha.pdf\n", "2 entry(ies) copied to the pasteboard."},
        {"titles", 2, 0, "Gamma\nAlpha\n", "2 entry(ies) copied to the pasteboard."},
        {"all songs", 0, 0, "Alpha\nBeta\nGamma\n", "3 entry(ies) copied to the pasteboard."},
        {"cancelled", 2, -1, "before", nullptr},
        {"empty tab", 4, 1, "before",
         "No selected entry for the current tab. 0 entry copied to the pasteboard."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        App app;
        app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}},
                  {{2, QStringLiteral("Gamma.pdf\nAlpha.pdf\n")}});
        app.shell.clipboard().setText(QStringLiteral("before"));
        app.c().data().onglNoG = c.tab;
        app.dialogs.answerInt(c.answer);
        app.c().exporterListe();
        ASSERT_FALSE(app.dialogs.asked().isEmpty());
        const auto& question = app.dialogs.asked().first();
        EXPECT_EQ(question.kind, QStringLiteral("deuxChoixAvecCancel"));
        EXPECT_EQ(
            question.text,
            QStringLiteral(
                "Please, select the kind of list that you want to export to the pasteboard."));
        EXPECT_EQ(question.choices, (QStringList{"List of Filenames", "List of Titles"}));
        EXPECT_EQ(app.shell.clipboard().text(), c.clipboard);
        const QStringList messages = app.dialogs.texts().mid(1);
        EXPECT_EQ(messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
}

} // namespace
