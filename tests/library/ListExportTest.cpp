#include "library/ListExport.h"

#include "library/Data.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

// Tab 2 lists two songs in setlist order, tab 3 one song twice.
struct Library {
    TestFolder folder;
    MemoryPrefs prefs{{{"0TabName2", "Set"},
                       {"0OptSel2", 3},
                       {"0list2", "Gamma(Band A).pdf\nAlpha(Band A).pdf\n"},
                       {"0TabName3", "Twice"},
                       {"0OptSel3", 3},
                       {"0list3", "Beta(Band B).pdf\nBeta(Band B).pdf\n"}}};
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};

    Library()
    {
        for (const char* name : {"Alpha(Band A).pdf", "Beta(Band B).pdf", "Gamma(Band A).pdf",
                                 "sub/Delta(Band C).pdf"})
            folder.write(QString::fromUtf8(name));
        data.resetNavigation();
        data.chargerBinder(0, folder.path(), true);
    }
    std::shared_ptr<Pieces> song(const QString& title, int tab) const
    {
        for (const auto& piece : data.listePiecesByTitle) {
            if (piece->ongNo == tab && piece->pieceDet->titre == title)
                return piece;
        }
        return nullptr;
    }
    // A line of a filter result that is no song: a heading (-1) or "(no entry)" (-2).
    static std::shared_ptr<Pieces> pseudo(const QString& title, int tab, int marker)
    {
        auto det = std::make_shared<PiecesDet>();
        det->titre = title;
        det->indexInTEMP.fill(marker);
        auto entry = std::make_shared<Pieces>();
        entry->pieceDet = det;
        entry->ongNo = tab;
        return entry;
    }
};

TEST(ListExport, TheCurrentTabInTheOrderOfTheCurrentList)
{
    struct Case {
        int tab;
        int sort;
        ListExportKind kind;
        QString text;
        int count;
    };
    const Case cases[] = {
        {0, 0, ListExportKind::FileNames,
         "Alpha(Band A).pdf\nBeta(Band B).pdf\nDelta(Band C).pdf\nGamma(Band A).pdf\n", 4},
        {0, 1, ListExportKind::Titles, "Alpha\nGamma\nBeta\nDelta\n", 4},
        {2, 0, ListExportKind::FileNames, "Gamma(Band A).pdf\nAlpha(Band A).pdf\n", 2},
        {2, 0, ListExportKind::Titles, "Gamma\nAlpha\n", 2},
        {3, 0, ListExportKind::Titles, "Beta\nBeta\n", 2},
        {5, 0, ListExportKind::FileNames, "", 0},
    };
    Library lib;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tab) + " sort " + std::to_string(c.sort));
        lib.data.onglNoG = c.tab;
        lib.data.currentSort = c.sort;
        const ListExport out = exporterListe(lib.data, c.kind);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.count, c.count);
    }
}

// A filter result holds headings and "(no entry)" lines, which are no songs.
TEST(ListExport, AFilterResultGivesItsSongsWithoutHeadings)
{
    Library lib;
    const auto heading = Library::pseudo(QStringLiteral("Band A"), 2, -1);
    const auto noEntry = Library::pseudo(QStringLiteral("(no entry)"), 2, -2);
    const auto allHeading = Library::pseudo(QStringLiteral("All • Band A"), 0, -1);
    lib.data.listePiecesTEMP2 = {
        heading,    lib.song(QStringLiteral("Gamma"), 2), lib.song(QStringLiteral("Alpha"), 2),
        allHeading, lib.song(QStringLiteral("Alpha"), 0), lib.song(QStringLiteral("Gamma"), 0),
        noEntry};
    lib.data.filterType = 1;
    struct Case {
        int tab;
        int field;
        QString text;
    };
    const Case cases[] = {
        {2, 2, "Gamma\nAlpha\n"},               // the current tab's section
        {0, 2, "Alpha\nGamma\n"},               // the whole binder's section
        {5, 1, ""},                             // a tab with nothing in the result
        {2, 3, "Gamma\nAlpha\nAlpha\nGamma\n"}, // played: all of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tab) + " field " + std::to_string(c.field));
        lib.data.onglNoG = c.tab;
        lib.data.filterField = c.field;
        const ListExport out = exporterListe(lib.data, ListExportKind::Titles);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.count, int(c.text.count(QLatin1Char('\n'))));
    }

    // Without the filter, the lists again.
    lib.data.filterType = 0;
    lib.data.onglNoG = 2;
    EXPECT_EQ(exporterListe(lib.data, ListExportKind::FileNames).text,
              QStringLiteral("Gamma(Band A).pdf\nAlpha(Band A).pdf\n"));
}

} // namespace
