#include "display/PdfEngine.h"

#include "display/InProcessPdfEngine.h"
#include "display/PdfWorkerProtocol.h"
#include "display/WorkerPdfEngine.h"

#include <atomic>

namespace partivo {

std::unique_ptr<PdfEngine> makePdfEngine()
{
    if (qEnvironmentVariable(pdfworker::kWorkerEnv) == QLatin1String("inline"))
        return std::make_unique<InProcessPdfEngine>();
    const QString executable = WorkerPdfEngine::findExecutable();
    if (executable.isEmpty()) {
        static std::atomic<bool> said{false};
        if (!said.exchange(true))
            qWarning("PDF worker %s not found: PDF files are opened in this process, where a "
                     "damaged one can hold up the program",
                     pdfworker::kExecutable);
        return std::make_unique<InProcessPdfEngine>();
    }
    return std::make_unique<WorkerPdfEngine>(executable);
}

} // namespace partivo
