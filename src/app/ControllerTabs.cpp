// The tab editor and the song list export of the current tab.
#include "app/Controller.h"
#include "library/ListExport.h"
#include "library/TabEditor.h"
#include "library/TabEditorTexts.h"
#include "platform/Dialogs.h"

namespace partivo {

void Controller::editTab(int tab)
{
    editerSetlist(tab);
}

void Controller::editerSetlist(int tab)
{
    if (tab < 1 || tab > 9)
        return;
    if (inHelpBinder()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kNoEditInHelpBinder));
        return;
    }
    TabEditor editor(data_, center_, shell_.clipboard(), tab);
    editor.setTags(data_.tags); // offered as keywords and for the tag filter
    editor.ouvrir();
    shell_.runTabEditor(editor);
    // A shell that shows no window leaves the editor open: it closes here.
    editor.fermer();
}

void Controller::exporterListe()
{
    const int choice = data_.dialogs.deuxChoixAvecCancel(
        QString::fromUtf8(texts::kExportListQuestion), QString::fromUtf8(texts::kListOfFilenames),
        QString::fromUtf8(texts::kListOfTitles));
    if (choice < 0)
        return;
    const ListExport list = partivo::exporterListe(data_, choice == 1 ? ListExportKind::FileNames
                                                                      : ListExportKind::Titles);
    if (list.count == 0) {
        data_.dialogs.msg(QString::fromUtf8(texts::kNoEntryExported));
        return;
    }
    shell_.clipboard().setText(list.text);
    data_.dialogs.msg(QString::fromUtf8(texts::kEntriesExported).arg(list.count));
}

} // namespace partivo
