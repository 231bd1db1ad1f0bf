#pragma once

#include "cli/HeadlessDialogs.h"
#include "library/Data.h"

#include <QString>
#include <memory>

namespace partivo::cli {

// A binder folder loaded without windows, with the tab definitions of a settings file read
// into memory (none: an empty store; the file is never written), as the "library", "tabs
// export" and "render" commands use it ("navigate" checks its paths here and runs the whole
// controller).
class HeadlessBinder {
public:
    // One line saying what is wrong with the folder or settings path; empty when both can
    // be used.
    static QString checkPaths(const QString& folder, const QString& settings);

    explicit HeadlessBinder(const QString& settings);
    ~HeadlessBinder();
    // Loads the folder as binder number binder; song 1 becomes current.
    void load(const QString& folder, int binder);
    Data& data() { return *data_; }

private:
    std::unique_ptr<Prefs> prefs_;
    HeadlessDialogs dialogs_;
    std::unique_ptr<Data> data_;
};

} // namespace partivo::cli
