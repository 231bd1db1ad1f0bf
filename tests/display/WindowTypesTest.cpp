#include "display/WindowTypes.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

struct TypeRow {
    int winType;
    const char* layout;
    const char* titleForDrum;
    bool companion;
};

const TypeRow kTypes[] = {
    {0, "WindowPDFx", "Binder Window - Drum", false},
    {1, "WindowMini", "Summary Window - Drum", false},
    {2, "WindowTitle", "Object - Title", true},
    {3, "WindowTrackTime", "Object - Track Time", true},
    {4, "WindowTitle", "Object - Artist Name", true},
    {5, "WindowTitle", "Object - Tempo", true},
    {6, "WindowTrackTime", "Object - Remaining Track Time", true},
    {7, "WindowJauge", "Object - Progress", true},
    {8, "WindowTitle", "Object - Note - Drum", true},
    {9, "WindowTitle", "Object - Metronome", true},
    {10, "WindowTitle", "Object - Next Song Title", true},
    {11, "WindowTitle", "Object - Artist Name + Title", true},
    {12, "WindowTitle", "Object - Empty Panel", true},
    // Unknown numbers open and are listed as binder windows.
    {13, "WindowPDFx", "Binder Window - Drum", false},
    {-1, "WindowPDFx", "Binder Window - Drum", false},
    {1000, "WindowPDFx", "Binder Window - Drum", false},
};

TEST(WindowTypes, LayoutTitleAndKindOfEveryType)
{
    for (const TypeRow& row : kTypes) {
        SCOPED_TRACE(row.winType);
        EXPECT_EQ(obtenirClasse(row.winType), row.layout);
        EXPECT_EQ(obtenirTitle(row.winType, "Drum"), row.titleForDrum);
        EXPECT_EQ(isCompanionWinType(row.winType), row.companion);
    }
}

TEST(WindowTypes, TitlesOfTheMasterWindowAndOfAnEmptyLabel)
{
    EXPECT_EQ(idLabelText(""), "Master");
    EXPECT_EQ(idLabelText("Lead"), "Lead");
    EXPECT_EQ(obtenirTitle(WinTypeBinder, idLabelText("")), "Binder Window - Master");
    EXPECT_EQ(obtenirTitle(WinTypeNote, ""), "Object - Note");
    // A label that looks like a placeholder is shown as it is.
    EXPECT_EQ(obtenirTitle(WinTypeSummary, "%1 %2"), "Summary Window - %1 %2");
}

} // namespace
} // namespace partivo
