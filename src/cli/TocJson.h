#pragma once

#include <QJsonArray>
#include <QJsonObject>

namespace partivo {
class TocList;
struct TocScene;
} // namespace partivo

namespace partivo::cli {

// The list panel as the window shows it: the page and page count, both labels and the
// entries of a page (nbTocG of them).
QJsonObject tocJson(const TocScene& toc, const TocList& pages, int nbTocG);
// The ten tab buttons: tab number, title and state.
QJsonArray tabsJson(const TocScene& toc);

} // namespace partivo::cli
