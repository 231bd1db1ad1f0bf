#pragma once

#include "platform/FileServices.h"

#include <QStringList>

namespace partivo {

// Test double: records each request as "<request> <path>" and answers `answer`.
class RecordingFileServices : public FileServices {
public:
    QStringList requests;
    bool answer = true;

    bool revealInFileManager(const QString& path) override { return record("reveal", path); }
    bool openFolder(const QString& folder) override { return record("openFolder", folder); }
    bool openWithDefaultApp(const QString& path) override { return record("open", path); }
    bool openInPdfViewer(const QString& path) override { return record("pdfViewer", path); }
    bool mailFile(const QString& path) override { return record("mail", path); }
    bool printPdf(const QString& path) override { return record("print", path); }

private:
    bool record(const char* request, const QString& path)
    {
        requests.append(QString::fromLatin1(request) + QLatin1Char(' ') + path);
        return answer;
    }
};

} // namespace partivo
