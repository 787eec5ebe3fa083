#include "app/versioncaption.h"

#include <QFileInfo>
#include <QStringList>

namespace solvaro {

QString fourPartVersion(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    QStringList numbers;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int number = i < parts.size() ? parts.at(i).trimmed().toInt(&ok) : 0;
        numbers << QString::number(ok ? number : 0);
    }
    return numbers.join(QLatin1Char('.'));
}

QString versionCaption(const QString &executablePath, const QString &version)
{
    QString caption = QFileInfo(executablePath).fileName();
    const QLatin1StringView extension(".exe");
    const QLatin1StringView marker(" ver.");
    const qsizetype at = caption.indexOf(extension, 0, Qt::CaseSensitive);
    if (at >= 0)
        caption.replace(at, extension.size(), marker);
    else
        caption += marker;
    if (version.trimmed().isEmpty())
        return caption + QLatin1StringView("  ");
    return caption + QLatin1Char(' ') + fourPartVersion(version) + QLatin1Char(' ');
}

} // namespace solvaro
