#include "storage/datafolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace solvaro {

namespace {

// A stored path that names something outside the executable folder.
bool leavesFolder(const QString &stored)
{
    if (stored.startsWith(QLatin1Char('/')))
        return true; // absolute, or a network path ("\\server")
    if (stored.size() >= 2 && stored.at(1) == QLatin1Char(':') && stored.at(0).isLetter())
        return true; // a drive letter, with or without a folder after it
    const QStringList components = stored.split(QLatin1Char('/'));
    return components.contains(QLatin1String(".."));
}

// The entry of `folder` named `name`: the exact name when it exists, otherwise
// one that differs only in case, otherwise `name` itself.
QString matchEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + name))
        return name;
    QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    // Several entries may differ from the name only in case; take the same one every time.
    entries.sort(Qt::CaseSensitive);
    for (const QString &entry : std::as_const(entries)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

bool copyFileReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 chunkSize = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(chunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(chunk) != chunk.size())
            return false;
    }
    return out.commit();
}

DataFolders::DataFolders(const QString &executableFolder)
    : m_folder(executableFolder)
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString DataFolders::resolve(const QString &stored) const
{
    QString relative = stored;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty() || leavesFolder(relative))
        return QString();
    QString resolved = m_folder;
    bool matching = true;
    const QStringList components = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (component == QLatin1String("."))
            continue;
        // Once a folder is missing, nothing below it can match.
        const QString name = matching ? matchEntry(resolved, component) : component;
        matching = matching && QFileInfo(resolved + name).isDir();
        resolved += name + QLatin1Char('/');
    }
    resolved.chop(1);
    if (relative.endsWith(QLatin1Char('/')))
        resolved += QLatin1Char('/');
    return resolved;
}

bool DataFolders::exists(const QString &stored) const
{
    const QString path = resolve(stored);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString DataFolders::globalSettingsFile() const
{
    return resolve(QLatin1String(dataFolder::globalSettings));
}

QString DataFolders::storedNameFor(const QString &folder, const QString &pickedFile) const
{
    QString storedFolder = folder;
    if (!storedFolder.endsWith(QLatin1Char('\\')))
        storedFolder += QLatin1Char('\\');
    const QString bareName = QFileInfo(pickedFile).fileName();
    if (bareName.isEmpty())
        return storedFolder;
    // A backslash in a Linux file name would read back as a folder.
    if (bareName.contains(QLatin1Char('\\')))
        return QString();
    const QString stored = storedFolder + bareName;
    return resolve(stored).isEmpty() ? QString() : stored;
}

bool DataFolders::isStoredFile(const QString &stored, const QString &pickedFile) const
{
    const QString target = resolve(stored);
    if (target.isEmpty() || pickedFile.isEmpty())
        return false;
    const QFileInfo existing(target);
    const QFileInfo picked(pickedFile);
    if (existing.exists() && picked.exists()
        && existing.canonicalFilePath() == picked.canonicalFilePath())
        return true;
    return QDir::cleanPath(picked.absoluteFilePath())
               .compare(QDir::cleanPath(existing.absoluteFilePath()), Qt::CaseInsensitive)
        == 0;
}

QString DataFolders::pickInto(const QString &folder, const QString &pickedFile) const
{
    if (!QFileInfo(pickedFile).isFile())
        return QString();
    const QString stored = storedNameFor(folder, pickedFile);
    if (stored.isEmpty())
        return QString();
    // A file picked from the data folder itself is already in place.
    if (isStoredFile(stored, pickedFile))
        return stored;
    const QString target = resolve(stored);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !copyFileReplacing(pickedFile, target))
        return QString();
    return stored;
}

} // namespace solvaro
