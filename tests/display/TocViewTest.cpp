#include "display/TocView.h"
#include "TestSongs.h"
#include "display/DisplayWindows.h"
#include "display/WindowPDFx.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/Commands.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QVariantMap>
#include <gtest/gtest.h>

namespace partivo {
namespace {

std::shared_ptr<Pieces> entry(const char* title, const char* artist, int tab, int titlePos,
                              int artistPos, bool played = false)
{
    auto piece = std::make_shared<Pieces>();
    piece->pieceDet = std::make_shared<PiecesDet>();
    piece->pieceDet->titre = QString::fromUtf8(title);
    piece->pieceDet->auteur = QString::fromUtf8(artist);
    piece->pieceDet->played = played;
    piece->ongNo = tab;
    piece->indexInTitleArray = titlePos;
    piece->indexInAuthorArray = artistPos;
    return piece;
}

std::shared_ptr<Pieces> heading(const char* title, int kind)
{
    auto piece = entry(title, "(nil)", 0, 0, 0);
    piece->pieceDet->indexInTEMP.fill(kind);
    return piece;
}

TEST(TocView, EntriesShowTheirSongAsTheListDoes)
{
    const auto current = entry("Angie", "Stones", 2, 4, 9, true);
    const auto other = entry("Lonely", "(nil)", 2, 5, 3);
    const auto otherTab = entry("Angie", "Stones", 0, 4, 9);
    const struct {
        const char* name;
        std::shared_ptr<Pieces> piece;
        int state;
        TocContext context;
        TocItemView expected;
    } cases[] = {
        {"the current song, played, boxed",
         current,
         0,
         {5, 2, 0},
         {0, "c", "Angie", "Stones", "✅", true, false, false}},
        {"boxed on the artist in artist order",
         current,
         0,
         {10, 2, 1},
         {0, "c", "Angie", "Stones", "✅", true, false, true}},
        {"the same number in another tab is not current",
         otherTab,
         0,
         {5, 2, 0},
         {0, "c", "Angie", "Stones", "", false, false, false}},
        {"an unknown artist shows as nothing",
         other,
         0,
         {5, 2, 0},
         {0, "c", "Lonely", "", "", false, false, false}},
        {"a heading shows its title alone, boxed",
         heading("All • Rock", -1),
         0,
         {1, 0, 0},
         {2, "c", "All • Rock", "", "", true, true, false}},
        {"no entry is a heading without a box",
         heading("(no entry)", -2),
         0,
         {1, 0, 0},
         {2, "c", "(no entry)", "", "", false, true, false}},
        {"no song empties the entry",
         nullptr,
         1,
         {1, 0, 0},
         {1, "c", "", "", "", false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tocItemView(2, c.state, c.piece.get(), c.context), c.expected);
    }
}

struct NoCounts : PageCounts {
    int pageCount(const QString&, bool, const WindowSettings&, QString*) override { return 3; }
};

struct Rig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    NoCounts counts;
    WindowPDFx window{windows, center, timers, counts};
    QList<int> keys;
    Rig()
    {
        windows.append(&window);
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            keys.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
    }
};

TEST(TocView, TheWindowShowsTheTabsAndThePanelItIsGiven)
{
    Rig rig;
    for (int t = 1; t <= 10; ++t)
        rig.windows.setButtonStateForOngletX(0, QStringLiteral("Tab %1").arg(t), t);
    rig.windows.setButtonStateForOngletX(2, std::nullopt, 4);
    rig.windows.setButtonStateForOngletX(1, std::nullopt, 3);
    const TocScene& toc = rig.window.scene().toc;
    EXPECT_EQ(toc.tabs[3], (TabButtonView{"Tab 4", 2}));
    EXPECT_EQ(toc.tabs[2], (TabButtonView{"Tab 3", 1}));
    EXPECT_EQ(toc.ongletAct, 3);
    EXPECT_EQ(toc.label1, QStringLiteral("Tab 3"));

    // Opening: the list button only outside tab "All", the filter button only with a filter.
    rig.windows.afficherTocX(true, 18, false);
    EXPECT_TRUE(toc.open);
    EXPECT_TRUE(rig.window.tocOn);
    EXPECT_FALSE(toc.rightColumn);
    EXPECT_TRUE(toc.listButton);
    EXPECT_TRUE(toc.exportButton);
    EXPECT_FALSE(toc.filterButton);
    rig.windows.setButtonStateForOngletX(1, std::nullopt, 1);
    EXPECT_FALSE(toc.listButton);
    EXPECT_EQ(toc.label1, QStringLiteral("Tab 1"));
    rig.windows.afficherTocX(true, 36, true);
    EXPECT_TRUE(toc.filterButton);
    EXPECT_TRUE(toc.rightColumn);
    rig.windows.afficherTocX(false, 36, true);
    EXPECT_FALSE(toc.open);
    EXPECT_FALSE(toc.exportButton);

    // A window that hides its list only records that the list is open.
    rig.window.iniFlag(WindowFlag::hideList, true);
    rig.windows.afficherTocX(true, 36, false);
    EXPECT_TRUE(rig.window.tocOn);
    EXPECT_FALSE(toc.open);
}

TEST(TocView, TheSectionKeyTogglesTheTabBarsAndTellsTheController)
{
    Rig rig;
    const bool before = rig.window.settings().ongletsVisibles;
    rig.window.toggleOngletsVisibles();
    EXPECT_EQ(rig.window.settings().ongletsVisibles, !before);
    EXPECT_TRUE(rig.keys.contains(cmd::WindowIdChanged));
    EXPECT_TRUE(rig.keys.contains(cmd::ReloadAllPages)); // pages laid out beside the bars
}

} // namespace
} // namespace partivo
