#include "support/testinstallation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace solvaro {

TestInstallation::TestInstallation()
{
    for (const char *name : { "SOL_INI", "SOL_IMG", "SOL_WAV", "SOL_TMP" })
        QDir(m_dir.path()).mkpath(QLatin1String(name));
}

QString TestInstallation::folder() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestInstallation::path(const QString &relative) const
{
    QString normalised = relative;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder() + normalised;
}

void TestInstallation::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray TestInstallation::readFile(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestInstallation::copyFrom(const QString &sourceFolder) const
{
    const QDir source(sourceFolder);
    QDirIterator it(sourceFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (QFileInfo(file).fileName() == QLatin1String(".gitkeep"))
            continue;
        const QString target = folder() + relative;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(file, target);
        QFile(target).setPermissions(
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

QString TestInstallation::fixture(const QString &relative)
{
    return QStringLiteral(SOLVARO_TEST_DATA_DIR "/") + relative;
}

} // namespace solvaro
