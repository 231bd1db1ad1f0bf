#pragma once

#include <QJsonArray>
#include <QJsonObject>

namespace partivo {
class Data;
class TocList;
struct TocScene;
} // namespace partivo

namespace partivo::cli {

// The list panel as the window shows it: the page and page count, both labels and the
// entries of a page (nbTocG of them).
QJsonObject tocJson(const TocScene& toc, const TocList& pages, int nbTocG);
// The ten tab buttons: tab number, title and state.
QJsonArray tabsJson(const TocScene& toc);
// The active filter: its type, field, selected item and the songs it lists (headings and
// "(no entry)" lines left out).
QJsonObject filterJson(const Data& data);

} // namespace partivo::cli
