#include "display/PdfEngine.h"

#include "display/InProcessPdfEngine.h"
#include "display/PdfWorkerProtocol.h"
#include "display/WorkerPdfEngine.h"

namespace partivo {

std::unique_ptr<PdfEngine> makePdfEngine()
{
    if (qEnvironmentVariable(pdfworker::kWorkerEnv) == QLatin1String("inline"))
        return std::make_unique<InProcessPdfEngine>();
    // Looked for once: every window's documents use the same worker executable.
    static const QString executable = [] {
        const QString found = WorkerPdfEngine::findExecutable();
        if (found.isEmpty())
            qWarning("PDF worker %s not found: PDF files are opened in this process, where a "
                     "damaged one can hold up the program",
                     pdfworker::kExecutable);
        return found;
    }();
    if (executable.isEmpty())
        return std::make_unique<InProcessPdfEngine>();
    return std::make_unique<WorkerPdfEngine>(executable);
}

} // namespace partivo
