#pragma once

#include "library/Binders.h"
#include "library/Data.h"
#include "library/LibraryView.h"

#include <memory>

namespace partivo {

class Dialogs;
class LibraryWindow;
class Prefs;

// Owns the application state and runs the start and termination sequences.
class Controller : public LibraryView {
public:
    Controller(Prefs& prefs, Dialogs& dialogs);
    ~Controller() override;

    void awakeFromNib();
    void applicationWillTerminate();

    Data& data() { return data_; }
    Binders& binders() { return binders_; }
    LibraryWindow* window() const { return window_.get(); }

    // LibraryView
    void setDirButton(int dirNo) override;
    void chargerPages() override;
    void afficherToc() override;

private:
    Data data_;
    Binders binders_;
    std::unique_ptr<LibraryWindow> window_;
};

} // namespace partivo
