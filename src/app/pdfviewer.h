#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace solvaro {

// A program that shows PDF documents and its arguments before the document.
struct PdfViewer {
    QString program;
    QStringList arguments;

    bool operator==(const PdfViewer &) const = default;
};

// The PDF viewers of the common Linux desktops, in the order they are tried.
QList<PdfViewer> knownPdfViewers();

// How to show a PDF document: with the desktop's opener when the desktop has
// an application for PDF documents (desktopHasPdfApplication), otherwise with
// the first known viewer that findExecutable finds (it returns the full path of
// a program name, empty when there is none); nothing when there is neither.
std::optional<PdfViewer> choosePdfViewer(
    const std::function<QString(const QString &)> &findExecutable,
    const std::function<bool()> &desktopHasPdfApplication);

} // namespace solvaro
