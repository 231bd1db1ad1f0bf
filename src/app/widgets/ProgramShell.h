#pragma once

#include "app/AppShell.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <memory>

class QDialog;

namespace partivo {

class BinderWindow;
class CompanionDisplay;
class Controller;
class KeyPadWindow;
class MidiPref;
class MidiPref2;
class MidiPref3;
class PreferencesWindow;

// The program's windows around the controller: binder windows with their menu bars, the
// preferences window, the key pad and the MIDI editors.
class ProgramShell : public QObject, public AppShell {
    Q_OBJECT
public:
    ProgramShell();
    ~ProgramShell() override;

    // The controller the menus and windows act on; set once, before the first window.
    void setController(Controller* controller) { controller_ = controller; }

    WindowPDFx* newBinderWindow(const BinderWindowParts& parts) override;
    WindowPDFxSuper* newCompanionWindow(int winType, const BinderWindowParts& parts) override;
    // The companion windows that are open, in the order they were made.
    QList<CompanionDisplay*> companionWindows() const;
    void destroyWindows() override;
    void refreshMenus(const MenuState& state) override;
    void showPreferences();
    void showKeyPad();
    void showKeyTest(const QString& text) override;
    bool editingWindowOpen() const override;
    int screenCount() const override;
    void runTabEditor(TabEditor& editor) override;
    std::optional<QString> askFilterText(const QString& text, const QStringList& tags) override;
    void runTagList(TagListEditor& editor) override;
    void closeTagList() override;
    void runTagAssignments(TagAssignments& assignments) override;
    void showProgress(const QString& title, int maximum) override;
    void setProgress(const QString& text, int value) override;
    bool progressCancelled() const override;
    void closeProgress() override;
    QProgressDialog* progressWindow() const { return progress_; }
    void refreshMidiEditors() override;
    void midiLearned() override;
    void midiShowReceived() override;
    void refreshLastMidi() override;
    void showMidiSending(bool sending) override;
    bool sendingMidi() const { return sendingMidi_; }

    // The MIDI editors: output destinations, event library, triggers.
    void showMidiOut();
    void showMidiFav();
    void showMidiTrig();
    MidiPref* midiOut() const;
    MidiPref2* midiFav() const;
    MidiPref3* midiTrig() const;

    // Runs a modal window that is open: exec() unless replaced. Tests replace it with a
    // function that drives the window and returns, so that nothing blocks.
    using ModalRunner = std::function<void(QDialog& dialog)>;
    void setModalRunner(ModalRunner runner) { modalRunner_ = std::move(runner); }

    // Quits the program: the window layout is kept first (quitting closes the windows).
    static void quit();
    // Full screen on or off for the key binder window.
    void toggleFullScreen();
    // The binder windows that are open, in the order they were made.
    QList<BinderWindow*> binderWindows() const;
    PreferencesWindow* preferences() const;
    KeyPadWindow* keyPad() const;

private:
    // Runs a modal window through the runner (tests) or exec(); answers its result.
    int runModal(QDialog& dialog);
    // The window modal windows open over: the first binder window.
    QWidget* modalParent() const;

    static ProgramShell* current_; // the program's shell, for quitting
    Controller* controller_ = nullptr;
    QList<QPointer<BinderWindow>> windows_;
    QList<QPointer<CompanionDisplay>> companions_;
    // What the controller makes its windows of, kept from its first binder window.
    QPointer<PreferencesWindow> preferences_;
    QPointer<KeyPadWindow> keyPad_;
    QPointer<MidiPref> midiOut_;
    QPointer<MidiPref2> midiFav_;
    QPointer<MidiPref3> midiTrig_;
    bool sendingMidi_ = false;
    ModalRunner modalRunner_;
    bool tabEditorOpen_ = false;
    QPointer<QDialog> tagList_; // the tag list window while it is open
    QPointer<QProgressDialog> progress_;
};

} // namespace partivo
