#pragma once

#include "PdfObjects.h"
#include "display/WorkerPdfEngine.h"

#include <QList>

namespace partivo {

// PDFs built to make a PDF engine loop or grow for ever: the engine cannot be interrupted
// from inside, so only a worker process with a time and memory limit survives them.
struct HostilePdf {
    const char* fileName;
    QByteArray bytes;
};

inline QByteArray pageTreeContainingItself()
{
    return pdfOfObjects({"<< /Type /Catalog /Pages 2 0 R >>",
                         "<< /Type /Pages /Kids [2 0 R 3 0 R] /Count 2 >>",
                         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"});
}

inline QByteArray pageTreeNodesPointingAtEachOther()
{
    return pdfOfObjects({"<< /Type /Catalog /Pages 2 0 R >>",
                         "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                         "<< /Type /Pages /Kids [2 0 R] /Count 1 /Parent 2 0 R >>"});
}

inline QByteArray pageTreeLevelsDeep(int levels)
{
    QList<QByteArray> objects{"<< /Type /Catalog /Pages 2 0 R >>"};
    for (int level = 0; level < levels; ++level)
        objects.append("<< /Type /Pages /Kids [" + QByteArray::number(level + 3) +
                       " 0 R] /Count 1 >>");
    objects.append("<< /Type /Page /MediaBox [0 0 595 842] >>");
    return pdfOfObjects(objects);
}

// A page that draws a form which draws itself twice: 2^n drawings, memory without end.
inline QByteArray formDrawingItselfTwice()
{
    const QByteArray form = "/F Do /F Do";
    return pdfOfObjects(
        {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /XObject << /F 5 "
         "0 R >> >> /Contents 4 0 R >>",
         "<< /Length 5 >>\nstream\n/F Do\nendstream",
         "<< /Type /XObject /Subtype /Form /BBox [0 0 595 842] /Resources << /XObject << /F 5 0 "
         "R >> >> /Length " +
             QByteArray::number(form.size()) + " >>\nstream\n" + form + "\nendstream"});
}

inline QList<HostilePdf> hostilePdfs()
{
    return {{"Self.pdf", pageTreeContainingItself()},
            {"Mutual.pdf", pageTreeNodesPointingAtEachOther()},
            {"Deep.pdf", pageTreeLevelsDeep(5000)},
            {"Form.pdf", formDrawingItselfTwice()}};
}

// Short limits for the files above; the good files of a test need the usual ones, so that a
// slow (sanitized, loaded) machine never fails a good page.
inline PdfWorkerLimits shortPdfWorkerLimits()
{
    PdfWorkerLimits limits;
    limits.openMs = 400;
    limits.renderMs = 600;
    limits.memoryMB = 512;
    return limits;
}

} // namespace partivo
