#include "app/installationfolder.h"

#include "storage/datafolders.h"
#include "storage/inifile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace solvaro {

namespace {

const QString settingsSection = QStringLiteral("Installation");
const QString folderKey = QStringLiteral("Folder");

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The class folder the first settings file names, relative names taken from
// the settings file's folder.
QString configuredFolder(const QStringList &settingsFiles, QString *settingsFile)
{
    for (const QString &file : settingsFiles) {
        if (!QFileInfo(file).isFile())
            continue;
        const QString value = IniFile(file).readString(settingsSection, folderKey, QString());
        if (value.trimmed().isEmpty())
            continue;
        *settingsFile = file;
        return QDir::cleanPath(QFileInfo(file).absoluteDir().absoluteFilePath(value.trimmed()));
    }
    return QString();
}

InstallationChoice workOn(const QString &folder, const QString &sampleFolder)
{
    InstallationChoice choice;
    choice.folder = withSlash(folder);
    if (holdsInstallation(folder))
        return choice;
    if (!holdsInstallation(sampleFolder)) {
        return InstallationChoice { {}, {},
            QStringLiteral("Solvaro finds no installation in %1, nor a sample installation to "
                           "copy there.")
                .arg(QDir::toNativeSeparators(folder)) };
    }
    choice.copySampleFrom = sampleFolder;
    return choice;
}

} // namespace

bool holdsInstallation(const QString &folder)
{
    return !folder.isEmpty() && DataFolders(folder).exists(QStringLiteral("SOL_INI\\GLOBAL.INI"));
}

InstallationChoice chooseInstallation(const InstallationPlaces &places)
{
    if (holdsInstallation(places.executableFolder))
        return InstallationChoice { withSlash(places.executableFolder), {}, {} };
    QString settingsFile;
    const QString classFolder = configuredFolder(places.settingsFiles, &settingsFile);
    if (!classFolder.isEmpty()) {
        // An unreachable share must not send the pupils' work somewhere else.
        if (!QFileInfo(classFolder).isDir()) {
            return InstallationChoice { {}, {},
                QStringLiteral("The class folder %1 cannot be reached. Check the network "
                               "connection, or the folder named in %2.")
                    .arg(QDir::toNativeSeparators(classFolder),
                        QDir::toNativeSeparators(settingsFile)) };
        }
        return workOn(classFolder, places.sampleFolder);
    }
    return workOn(places.userFolder, places.sampleFolder);
}

QString copyInstallation(const QString &from, const QString &to)
{
    const QDir source(from);
    const QDir target(to);
    const auto failed = [](const QString &path) {
        return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    };
    for (const char *folder : { "SOL_INI", "SOL_IMG", "SOL_WAV", "SOL_TMP" }) {
        if (!target.mkpath(QString::fromLatin1(folder)))
            return failed(target.filePath(QString::fromLatin1(folder)));
    }
    QDirIterator files(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = source.relativeFilePath(file);
        const QString copy = target.filePath(relative);
        if (QFileInfo::exists(copy))
            continue;
        if (!target.mkpath(QFileInfo(relative).path()) || !QFile::copy(file, copy))
            return failed(copy);
        // Files of an installed package are read-only; the copy is the user's.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
    }
    return QString();
}

InstallationChoice settleInstallation(const InstallationPlaces &places)
{
    InstallationChoice choice = chooseInstallation(places);
    if (choice.copySampleFrom.isEmpty())
        return choice;
    const QString error = copyInstallation(choice.copySampleFrom, choice.folder);
    if (!error.isEmpty())
        return InstallationChoice { {}, {}, error };
    choice.copySampleFrom.clear();
    return choice;
}

InstallationPlaces systemInstallationPlaces(const QString &executableFolder)
{
    InstallationPlaces places;
    places.executableFolder = withSlash(executableFolder);
    // Where the package puts it, relative to the executable's folder.
    places.sampleFolder = QDir::cleanPath(
        QDir(executableFolder).absoluteFilePath(QStringLiteral(SOLVARO_SAMPLE_FROM_BINDIR)));
    places.userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/solvaro");
    for (const QString &folder :
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        places.settingsFiles.append(folder + QStringLiteral("/solvaro/solvaro.ini"));
    return places;
}

} // namespace solvaro
