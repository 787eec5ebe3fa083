#include "media/documentsfolder.h"

#include "base/error.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace solvaro {

QString systemDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    // Many Linux accounts have no documents folder; their files live at home.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return QFileInfo(home).isDir() ? home : QString();
}

QString MyDocumentsFolder(const DocumentsFolderLookup &lookup)
{
    const QString folder = lookup ? lookup() : QString();
    if (folder.isEmpty())
        throw Error(QStringLiteral("Could not find MyDocuments folder location."));
    return folder;
}

} // namespace solvaro
