#pragma once

#include "display/PdfPages.h"
#include "display/WindowPDFx.h"

#include <QRectF>
#include <memory>

class QPainter;

namespace partivo {

// Page counts and ChordPro pages of the song files: PDF documents stay open, ChordPro songs
// are laid out once per file, options and size.
class SongPages : public PageCounts {
public:
    SongPages();
    ~SongPages() override;

    PdfDocuments& documents() { return documents_; }

    int pageCount(const QString& path, bool chordPro, const WindowSettings& window,
                  QString* error) override;
    ChordProHeading chordProHeading(const QString& path) override;
    // Paints page `page` of a ChordPro song into the rectangle with the window's colours.
    void paintChordPro(QPainter& painter, const QRectF& rect, const QString& path, int page,
                       const WindowSettings& window, int mode);
    // Files changed on disk: read them again.
    void clear();

private:
    struct ChordProState;
    PdfDocuments documents_;
    std::unique_ptr<ChordProState> chordPro_;
};

} // namespace partivo
