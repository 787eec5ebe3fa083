#include "app/pdfviewer.h"

namespace solvaro {

QList<PdfViewer> knownPdfViewers()
{
    QList<PdfViewer> viewers;
    for (const char *program : { "evince", "okular", "atril", "xreader", "qpdfview", "zathura",
             "mupdf", "xpdf", "firefox-esr", "firefox", "chromium" }) {
        viewers.append(PdfViewer { QString::fromLatin1(program), {} });
    }
    return viewers;
}

std::optional<PdfViewer> choosePdfViewer(
    const std::function<QString(const QString &)> &findExecutable,
    const std::function<bool()> &desktopHasPdfApplication)
{
    // The desktop's opener alone fails when nothing is registered for PDF
    // documents, and tells that only on its error output.
    const QString opener = findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty() && desktopHasPdfApplication())
        return PdfViewer { opener, {} };
    for (PdfViewer viewer : knownPdfViewers()) {
        const QString path = findExecutable(viewer.program);
        if (path.isEmpty())
            continue;
        viewer.program = path;
        return viewer;
    }
    return std::nullopt;
}

} // namespace solvaro
