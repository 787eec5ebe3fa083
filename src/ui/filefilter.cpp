#include "ui/filefilter.h"

#include <QStringList>

namespace solvaro {

QString toQtFileFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : description;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns = patterns.simplified();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        entries << QStringLiteral("%1 (%2)").arg(
            description.isEmpty() ? patterns : description, patterns);
    }
    return entries.join(QLatin1String(";;"));
}

QString withDefaultExtension(const QString &fileName, const QString &extension)
{
    QString suffix = extension.trimmed();
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    const qsizetype folderEnd
        = qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    QString bareName = fileName.mid(folderEnd + 1);
    if (suffix.isEmpty() || bareName.isEmpty())
        return fileName;
    const qsizetype dot = bareName.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && dot < bareName.size() - 1)
        return fileName;
    while (bareName.endsWith(QLatin1Char('.')))
        bareName.chop(1);
    return fileName.left(folderEnd + 1) + bareName + QLatin1Char('.') + suffix;
}

} // namespace solvaro
