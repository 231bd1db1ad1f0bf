#pragma once

#include "library/Options.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace partivo {

class Controller;

// The preferences: the general options and the seven inputs with their parameters, and a
// field that names the key just pressed. Closing the window applies the options at once to
// every window and stores them.
class PreferencesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesWindow(Controller& controller, QWidget* parent = nullptr);

    void showWithOptions(const Options& options);
    // What the window's controls say now.
    Options options() const;
    void showKeyTest(const QString& text);

    // The controls, for tests.
    QComboBox* chooser(InputId input) const { return choosers_[size_t(input)]; }
    QLineEdit* paramField(InputId input) const { return params_[size_t(input)]; }
    QLineEdit* keyTestField() const { return keyTest_; }
    QCheckBox* hiddenRegionsBox() const { return hiddenRegions_; }
    QLineEdit* musicFolderField() const { return musicFolder_; }
    QLineEdit* instrumentField() const { return instrument_; }
    QLineEdit* userField() const { return user_; }
    QCheckBox* lilypondBox() const { return lilypond_; }
    // Asks for the music library's folder; the library is indexed again in the background.
    void chooseMusicFolder();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneral();
    QWidget* buildInputs();
    QWidget* buildChordPro();
    // Hands the ChordPro fields to the controller, which acts on a change only.
    void applyChordPro();
    // Shows the parameter field, with its placeholder and tooltip, only for an action that
    // takes a parameter.
    void ajusterPlaceHolderString(InputId input);

    Controller& controller_;
    Options shown_;
    QComboBox* halfPageMarker_ = nullptr;
    QCheckBox* redLine_ = nullptr;
    QCheckBox* dimmer_ = nullptr;
    QDoubleSpinBox* dimmerValue_ = nullptr;
    QDoubleSpinBox* dimmerInactive_ = nullptr;
    QDoubleSpinBox* midiDelay_ = nullptr;
    QCheckBox* centerMouse_ = nullptr;
    QCheckBox* reverseMouse_ = nullptr;
    QCheckBox* hiddenRegions_ = nullptr;
    QCheckBox* autoOpen_ = nullptr;
    QCheckBox* extOpen_ = nullptr;
    QCheckBox* lastPageNextSong_ = nullptr;
    std::array<QComboBox*, kInputCount> choosers_{};
    std::array<QLineEdit*, kInputCount> params_{};
    QLineEdit* keyTest_ = nullptr;
    QLineEdit* musicFolder_ = nullptr;
    QLineEdit* instrument_ = nullptr;
    QLineEdit* user_ = nullptr;
    QCheckBox* lilypond_ = nullptr;
};

} // namespace partivo
