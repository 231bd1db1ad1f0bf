#pragma once

#include "app/MenuState.h"
#include "platform/Clipboard.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace partivo {

class DisplayWindows;
class NotificationCenter;
class SongPages;
class TabEditor;
class TagAssignments;
class TagListEditor;
class Timers;
class WindowPDFx;
class WindowPDFxSuper;

// What a new binder window is made of.
struct BinderWindowParts {
    DisplayWindows& windows;
    NotificationCenter& center;
    Timers& timers;
    SongPages& pages;
};

// The windows around the controller: the program gives it widgets, the tests and the
// command line their own. The controller asks; the shell shows.
class AppShell {
public:
    virtual ~AppShell() = default;

    // Makes a binder window, appends its logic to the window list and shows it; answers
    // the logic (owned by the shell until the window closes).
    virtual WindowPDFx* newBinderWindow(const BinderWindowParts& parts) = 0;
    // Makes a companion window of that type (1 to 12), appends its logic to the window list
    // and shows it; none where there are no windows to show.
    virtual WindowPDFxSuper* newCompanionWindow(int /*winType*/, const BinderWindowParts& /*parts*/)
    {
        return nullptr;
    }
    // The controller is going: the windows it made (they use its window list and its
    // pages) go first.
    virtual void destroyWindows() = 0;
    // The menus of every binder window show this state.
    virtual void refreshMenus(const MenuState& /*state*/) {}
    // The preferences window's key test field names the key just pressed.
    virtual void showKeyTest(const QString& /*text*/) {}
    // How many screens the desktop has now.
    virtual int screenCount() const { return 1; }
    // A window in which the user edits something is open (the preferences): the current
    // song's file is not reloaded behind it when the program comes back to the front.
    virtual bool editingWindowOpen() const { return false; }
    // The clipboard the list exports go to (the desktop's in the program).
    virtual Clipboard& clipboard() { return clipboard_; }
    // Shows the tab editor modally and returns once it is closed; without a window (the
    // command line) nothing is shown.
    virtual void runTabEditor(TabEditor& /*editor*/) {}
    // Asks for the filter text, the tags offered to choose from; nothing when the user
    // cancels (and without a window).
    virtual std::optional<QString> askFilterText(const QString& /*text*/,
                                                 const QStringList& /*tags*/)
    {
        return std::nullopt;
    }
    // The tag list and the tag assignments, modal; without a window nothing is shown. The
    // tag list closes when asked (key 1018).
    virtual void runTagList(TagListEditor& /*editor*/) {}
    virtual void closeTagList() {}
    virtual void runTagAssignments(TagAssignments& /*assignments*/) {}
    // The progress window of a long task, shown without modality; its Cancel is read
    // between the steps.
    virtual void showProgress(const QString& /*title*/, int /*maximum*/) {}
    virtual void setProgress(const QString& /*text*/, int /*value*/) {}
    virtual bool progressCancelled() const { return false; }
    virtual void closeProgress() {}
    // The MIDI set-up changed: the open MIDI editors read the endpoint lists again.
    virtual void refreshMidiEditors() {}
    // A message was learned: the trigger editor fills the row being learned.
    virtual void midiLearned() {}
    // A message came in while the output editor is open: it shows it.
    virtual void midiShowReceived() {}
    // MIDI came in: the buttons that insert the last received MIDI show it.
    virtual void refreshLastMidi() {}
    // The MIDI menu's title says whether MIDI is being sent.
    virtual void showMidiSending(bool /*sending*/) {}

private:
    MemoryClipboard clipboard_;
};

} // namespace partivo
