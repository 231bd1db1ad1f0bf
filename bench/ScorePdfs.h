#pragma once

#include <QString>

// Score PDFs for the benchmarks, written by them: pages drawn as vectors, and scanned pages.
namespace partivo::bench {

// A PDF of A4 score pages drawn as vectors: a title, staves of notes and lyrics under them.
QString writeVectorPdf(const QString& path, int pages, int staves, int notesPerStaff);
// A PDF of A4 pages, each one greyscale scan of 2480x3508 pixels (300 dpi).
QString writeScannedPdf(const QString& path, int pages);

} // namespace partivo::bench
