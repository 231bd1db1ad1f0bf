// The tag windows: the global tag list and the tags of the binder's songs.
#include "app/Controller.h"

#include "app/AppShell.h"
#include "app/AppTexts.h"
#include "library/TagAssignments.h"
#include "library/TagListEditor.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/NotificationCenter.h"

namespace partivo {

void Controller::actionMenuItemTags()
{
    if (tagListOpen_)
        return; // already open: the window is in front
    tagListOpen_ = true;
    TagListEditor editor(data_, center_);
    editor.ouvrir();
    shell_.runTagList(editor);
    editor.fermer(); // stores the list, whatever closed the window
    tagListOpen_ = false;
}

void Controller::fermerTags()
{
    if (tagListOpen_)
        shell_.closeTagList();
}

void Controller::tagsAssignments()
{
    if (inHelpBinder()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kTagAssignmentsInHelpBinder));
        return;
    }
    if (data_.tags.isEmpty()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kTagAssignmentsNeedTags));
        return;
    }
    TagAssignments assignments(data_);
    shell_.runTagAssignments(assignments);
    // Collections admit songs by their tags: the binder is loaded again to see the new ones.
    if (assignments.changed())
        center_.postParam(QString::fromLatin1(action::Key), cmd::Refresh);
}

} // namespace partivo
