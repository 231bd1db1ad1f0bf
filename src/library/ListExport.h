#pragma once

#include <QString>

namespace partivo {

class Data;

// The current tab's song list as pasteboard text: one file name or title per line, each
// followed by a line break, and how many lines.
struct ListExport {
    QString text;
    int count = 0;
};

enum class ListExportKind { FileNames, Titles };

// Without a filter, the entries of the current order's list that belong to the current tab,
// in list order; with a filter, its result list: the current tab's entries, or all of them
// for the played filter (whose result covers the whole binder). The result's headings and
// "(no entry)" lines are no songs and are left out.
ListExport exporterListe(const Data& data, ListExportKind kind);

} // namespace partivo
