#pragma once

#include <QString>
#include <array>

namespace partivo {

class Data;
class LibraryView;

// The eight binder slots, the current binder and the one entry point that (re)loads a
// binder. Owned by the application controller.
class Binders {
public:
    static constexpr int kCount = 8;
    static constexpr int kHelpBinder = -1;

    enum Code { HelpBinder = 0, OpenBinder = 1, AssignFolder = 2, Unassign = 3 };

    Binders(Data& data, LibraryView& view);

    // Reads the slots and positions from the preference store and loads the start binder.
    void start();
    // Stores positions, slots and the current binder.
    void terminate();

    // Folder of binder k when it is assigned and present now; the Help Binder for -1.
    QString obtenirDir(int k) const;
    // The stored folder of binder k, present or not ("" when unassigned).
    QString storedDir(int k) const;
    void conserverDir(const QString& folder, int k);
    void keepBookMark(int k);
    void gotoBookMark(int k);
    void doRefresh(int k, int code, bool refreshOnly);

    // Menu actions.
    void actionChoisirDir(int k) { doRefresh(k, OpenBinder, false); }
    void actionAssignerDir(int k) { doRefresh(k, AssignFolder, false); }
    // Asks first; only Yes unassigns.
    void actionDeAssignerDir(int k);
    void actionContPlay(int k);
    void actionRefresh() { doRefresh(currentDirNo, OpenBinder, true); }
    void actionToggleInfo();

    int currentDirNo = kHelpBinder;
    int nbrExec = 0;
    std::array<bool, kCount> contPlay{};
    std::array<int, kCount> songNoBookMark{};
    std::array<int, kCount> sortBookMark{};

private:
    void loadHelpBinder();
    // Tells once what the last load left out or could not read.
    void tellLoadProblems();
    void reloadCurrent();
    bool loadFolder(int k, const QString& folder, bool offerSample);
    bool offerSampleFile(const QString& folder);
    // Runs the folder chooser until a folder with songs is loaded; "" when cancelled.
    QString chooseFolderFor(int k, bool offerSample);

    Data& data_;
    LibraryView& view_;
    std::array<QString, kCount> dir_;
    mutable QString helpFolder_; // found once, on first use
    // The start binder whose folder was missing at start; stays the start binder for the
    // next run unless another binder is opened in this one.
    int unavailableStartDir_ = kHelpBinder;
};

} // namespace partivo
